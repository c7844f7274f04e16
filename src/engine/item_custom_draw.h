#pragma once
// The parent's side of custom draw for themed list views and tree views: selected and hot
// items in the theme's item colours rather than the system's highlight, and tree views'
// expand buttons drawn in the theme's colours over the system's.
#include <windows.h>
#include <commctrl.h>

namespace hueloom {

[[nodiscard]] LRESULT listViewCustomDraw(NMLVCUSTOMDRAW* draw);
[[nodiscard]] LRESULT treeViewCustomDraw(NMTVCUSTOMDRAW* draw);

} // namespace hueloom
