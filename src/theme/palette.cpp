#include "theme/palette.h"

namespace hueloom {

Palette modePalette(Mode mode) noexcept {
    switch (mode) {
    case Mode::Light:
        return {makeColor(255, 255, 255), makeColor(0, 0, 0), makeColor(240, 240, 240), makeColor(0, 120, 215)};
    case Mode::Dark:
        return {makeColor(32, 32, 32), makeColor(240, 240, 240), makeColor(24, 24, 24), makeColor(61, 100, 249)};
    default:
        return {makeColor(255, 255, 255), makeColor(0, 0, 0), makeColor(240, 240, 240), makeColor(61, 100, 249)};
    }
}

} // namespace hueloom
