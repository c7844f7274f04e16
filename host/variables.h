#pragma once
// The publication's script variables: names include their brackets and compare without
// regard to ASCII letter case; values are ANSI bytes.
#include <string>
#include <string_view>
#include <unordered_map>

namespace standin {

class VariableStore {
public:
    void set(std::string_view name, std::string_view value);
    // Null when the variable was never set.
    [[nodiscard]] const std::string* find(std::string_view name) const;
    // Empty text when the variable was never set.
    [[nodiscard]] std::string value(std::string_view name) const;
    void clear() noexcept { values_.clear(); }
    [[nodiscard]] size_t size() const noexcept { return values_.size(); }

private:
    std::unordered_map<std::string, std::string> values_;  // keyed by the folded name
};

}  // namespace standin
