#include "paint/paint_colors.h"

namespace hueloom {

Color disabledColor(Color background, Color text) noexcept {
    return blendColors(background, text, kDisabledBlendPercent);
}

Color checkMarkColor(Color face) noexcept {
    return colorBrightness(face) < kLightMarkFaceBrightness ? kWhite : makeColor(32, 32, 32);
}

} // namespace hueloom
