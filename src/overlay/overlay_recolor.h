#pragma once
// Overlays after a change of the page colour that no script asked for (Auto following
// Windows): a binding whose back colour was the old page colour takes the new one.
#include "theme/color.h"

namespace hueloom {

void recolorOverlayBacks(Color pageBefore, Color pageAfter);

} // namespace hueloom
