#pragma once
// The colours of pressable faces (push buttons, arrow buttons, scroll-bar thumbs, menu-bar
// items), shared by their painters. Pure.
#include <cstdint>

#include "theme/color.h"

namespace hueloom {

struct FaceState {
    bool hot = false;
    bool pressed = false;
    bool enabled = true;
};

// Shares of the text colour mixed into a face: enough to see under the mouse and under a
// press on every palette, light or dark.
inline constexpr int32_t kHotFacePercent = 12;
inline constexpr int32_t kPressedFacePercent = 24;

// `base` as it shows in `state`: pressed wins over hot; a disabled face is `base` itself.
[[nodiscard]] Color faceShade(Color base, Color text, const FaceState& state) noexcept;
// Captions and arrows on a face of `base`: `text`, or the disabled blend.
[[nodiscard]] Color faceText(Color base, Color text, const FaceState& state) noexcept;

} // namespace hueloom
