#pragma once
// The system's native dark and light rendering, as plain calls: which mode or name to ask
// for is the engine's decision (engine/native_theming.h). Every call does nothing where
// the system function is missing.
#include <windows.h>

#include <optional>
#include <string_view>

namespace hueloom {

enum class AppMode { Default, ForceDark, ForceLight };

// Whether the system can draw controls dark itself: build 17763 or later with the
// dark-mode functions resolved (Wine reporting Windows 10 has the build, not the functions).
[[nodiscard]] bool nativeDarkThemeAvailable();

// The process-wide preference, then the immersive colour policy and the menu themes
// refreshed. Builds before 18362 only know "allow dark" (ForceDark) or not.
void setPreferredAppMode(AppMode mode);
void allowDarkModeForWindow(HWND window, bool allow);
// An empty name resets the window to its default theme.
void setWindowThemeName(HWND window, std::wstring_view name);

// Whether the title-bar attributes can be set at all (DwmSetWindowAttribute resolved).
[[nodiscard]] bool canSetTitleBar() noexcept;
// The immersive dark flag from build 17763 on, and on Windows 11 the caption and caption
// text colours (nullopt: the system's own).
void setTitleBarAttributes(HWND window, bool dark, std::optional<COLORREF> caption,
                           std::optional<COLORREF> captionText);

// Rich edits take their colours by message. nullopt: back to the system background.
// Answers the background the rich edit had before.
COLORREF setRichEditBackground(HWND window, std::optional<COLORREF> color);
// The colour of all the text; nullopt: the automatic colour, which follows the system's.
void setRichEditTextColor(HWND window, std::optional<COLORREF> color);
// The default text colour; nullopt while it is the automatic one.
[[nodiscard]] std::optional<COLORREF> richEditTextColor(HWND window);

} // namespace hueloom
