#include "theme/palette.h"

namespace hueloom {

Palette modePalette(SkinMode mode) noexcept {
    switch (mode) {
    case SkinMode::Light:
        return {makeColor(255, 255, 255), makeColor(0, 0, 0), makeColor(240, 240, 240), makeColor(0, 120, 215)};
    case SkinMode::Dark:
        return {makeColor(32, 32, 32), makeColor(240, 240, 240), makeColor(24, 24, 24), makeColor(61, 100, 249)};
    default:
        return {makeColor(255, 255, 255), makeColor(0, 0, 0), makeColor(240, 240, 240), makeColor(61, 100, 249)};
    }
}

const wchar_t* skinModeName(SkinMode mode) noexcept {
    switch (mode) {
    case SkinMode::Dark: return L"Dark";
    case SkinMode::Light: return L"Light";
    default: return L"System";
    }
}

} // namespace hueloom
