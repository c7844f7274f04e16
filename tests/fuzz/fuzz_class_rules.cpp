// The class-name rules: always a kind from the table, deterministic, and the host's own
// classes and the exact "static" rule take precedence as documented.
#include <cstdint>
#include <string>

#include "common/text.h"
#include "engine/class_rules.h"
#include "fuzz_input.h"

using namespace hueloom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    uint32_t style;
    __builtin_memcpy(&style, data, 4);
    const std::wstring name = lowerCase(narrowFromFuzzBytes(data + 4, size - 4));
    const ControlKind kind = classifyClassName(name, style);
    const int32_t value = static_cast<int32_t>(kind);
    FUZZ_CHECK(value >= 0 && value <= 20);
    FUZZ_CHECK(classifyClassName(name, style) == kind);
    if (name.empty()) FUZZ_CHECK(kind == ControlKind::None);
    if (name.find(L"neobookcheckbox") != std::wstring::npos) FUZZ_CHECK(kind == ControlKind::HostCheckBox);
    if (name == L"static") FUZZ_CHECK(kind == ControlKind::Static);
    if (kind == ControlKind::CheckOrRadio) {
        FUZZ_CHECK(name.find(L"button") != std::wstring::npos);
        FUZZ_CHECK(isCheckRadioOrGroupType(style & 0xF));
    }
    if (kind == ControlKind::PushButton) FUZZ_CHECK(!isCheckRadioOrGroupType(style & 0xF));
    if (name.find(L"neobook") != std::wstring::npos)
        FUZZ_CHECK(kind == ControlKind::None || (value >= 17 && value <= 19));
    return 0;
}
