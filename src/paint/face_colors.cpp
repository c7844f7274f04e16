#include "paint/face_colors.h"

#include "paint/paint_colors.h"

namespace hueloom {

Color faceShade(Color base, Color text, const FaceState& state) noexcept {
    if (!state.enabled) return base;
    if (state.pressed) return blendColors(base, text, kPressedFacePercent);
    if (state.hot) return blendColors(base, text, kHotFacePercent);
    return base;
}

Color faceText(Color base, Color text, const FaceState& state) noexcept {
    return state.enabled ? text : disabledColor(base, text);
}

} // namespace hueloom
