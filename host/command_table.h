#pragma once
// Looking a command up in one group's table, letter case ignored.
#include <string_view>

#include "interpreter.h"
#include "text_util.h"

namespace standin {

template <size_t N>
[[nodiscard]] const CommandEntry* findIn(const CommandEntry (&table)[N], std::string_view name) {
    for (const CommandEntry& entry : table)
        if (equalsFolded(entry.name, name)) return &entry;
    return nullptr;
}

}  // namespace standin
