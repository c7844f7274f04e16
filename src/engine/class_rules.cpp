#include "engine/class_rules.h"
namespace hueloom {
bool isCheckRadioOrGroupType(uint32_t) noexcept { return false; }
ControlKind classifyClassName(std::wstring_view, uint32_t) noexcept { return ControlKind::None; }
}
