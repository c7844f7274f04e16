#pragma once
// The theme's two shared brushes, made from the theme record whenever it changes. Owned
// here; colour answers and painters only borrow them.
#include <windows.h>

#include "theme/theme_state.h"

namespace hueloom {

struct ThemeBrushes {
    HBRUSH control = nullptr;  // control background
    HBRUSH page = nullptr;     // page background
};

[[nodiscard]] ThemeBrushes& themeBrushes() noexcept;
// Makes both brushes in the theme's colours and deletes the old ones. False when the system
// could not make both: the old brushes then stay as they were.
[[nodiscard]] bool rebuildThemeBrushes(const ThemeState& theme);
// Deletes both (Reset keeps them; process detach and start-up drop them).
void deleteThemeBrushes();

} // namespace hueloom
