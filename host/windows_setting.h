#pragma once
// The user's "apps use light theme" setting in this process's registry (the Wine prefix),
// changed as Windows' Settings app changes it, and put back when a script file ends.
#include <string>

namespace standin {

enum class AppsTheme { Dark, Light, Unset };

// Writes the setting (Unset removes the value) and, with `broadcast`, tells the host's
// top-level windows as Windows tells every one. Empty, or what went wrong.
[[nodiscard]] std::string changeAppsTheme(AppsTheme theme, bool broadcast);
// The value as it was before the first change, and the keys that change created removed.
void restoreAppsTheme();

}  // namespace standin
