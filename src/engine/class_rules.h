#pragma once
// The class-name rules of window classification, as pure code: name and style in, kind out.
#include <cstdint>
#include <string_view>

#include "engine/control_kind.h"

namespace hueloom {

// Button types (style & 0xF) that are check boxes, radio buttons or group boxes.
[[nodiscard]] bool isCheckRadioOrGroupType(uint32_t buttonType) noexcept;

// `lowerClassName` is the class name already lower-cased; `style` is the window's
// GWL_STYLE, looked at only for buttons.
[[nodiscard]] ControlKind classifyClassName(std::wstring_view lowerClassName, uint32_t style) noexcept;

} // namespace hueloom
