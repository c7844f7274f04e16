#include "paint/up_down_painter.h"

#include "paint/face_painter.h"

namespace hueloom {

RECT upDownHalf(const RECT& client, bool horizontal, UpDownPart part) noexcept {
    RECT half = client;
    if (horizontal) {
        const int middle = (client.left + client.right) / 2;
        if (part == UpDownPart::First) half.right = middle;
        else half.left = middle;
    } else {
        const int middle = (client.top + client.bottom) / 2;
        if (part == UpDownPart::First) half.bottom = middle;
        else half.top = middle;
    }
    return half;
}

UpDownPart upDownPartAt(const RECT& client, bool horizontal, POINT point) noexcept {
    if (!PtInRect(&client, point)) return UpDownPart::None;
    const RECT first = upDownHalf(client, horizontal, UpDownPart::First);
    return PtInRect(&first, point) ? UpDownPart::First : UpDownPart::Second;
}

void paintUpDown(HDC dc, const RECT& client, const UpDownLook& look, const ThemeState& theme, int dpi) {
    for (const UpDownPart part : {UpDownPart::First, UpDownPart::Second}) {
        FaceState state;
        state.enabled = look.enabled;
        state.hot = look.enabled && look.hot == part;
        state.pressed = look.enabled && look.pressed == part;
        const ArrowDirection direction =
            look.horizontal ? (part == UpDownPart::First ? ArrowDirection::Left : ArrowDirection::Right)
                            : (part == UpDownPart::First ? ArrowDirection::Up : ArrowDirection::Down);
        paintArrowButton(dc, upDownHalf(client, look.horizontal, part), direction, state, theme, dpi, true);
    }
}

} // namespace hueloom
