#include "variables.h"

#include "text_util.h"

namespace standin {

void VariableStore::set(std::string_view name, std::string_view value) {
    values_[foldCase(name)] = std::string(value);
}

const std::string* VariableStore::find(std::string_view name) const {
    const auto found = values_.find(foldCase(name));
    return found == values_.end() ? nullptr : &found->second;
}

std::string VariableStore::value(std::string_view name) const {
    const std::string* found = find(name);
    return found ? *found : std::string();
}

}  // namespace standin
