#pragma once
// What the plug-in told the host: its identity texts and each action registration, as
// received. Pure: no window or system calls.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "variables.h"

namespace standin {

inline constexpr size_t kTypeArraySize = 33;

struct Registration {
    int32_t number = 0;
    std::string name;
    std::string hint;
    std::optional<std::array<unsigned char, kTypeArraySize>> types;  // empty when unreadable
    int32_t fifth = 0;
    int32_t count = 0;
};

struct PluginRecord {
    std::string title;  // from nbInitPlugIn
    std::string publisher;
    std::string hint;
    std::string infoTitle;  // from nbGetPluginInfo
    std::string description;
    std::vector<Registration> registrations;

    // The last registration under that name (letter case ignored), or null.
    [[nodiscard]] const Registration* findAction(std::string_view name) const;
};

// "1,1,0,...": every byte of the type array, or "unreadable".
[[nodiscard]] std::string typesText(const Registration& registration);

// One line of ListRegistrations.
[[nodiscard]] std::string describeRegistration(const Registration& registration);

// [Host.Title], [Host.RegCount], [Host.Reg<i>.Name] ... for scripts to assert.
void exposeRecord(const PluginRecord& record, VariableStore& variables);

}  // namespace standin
