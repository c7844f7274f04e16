#pragma once
// The parameter array the host hands to nbExecAction and nbEditAction: one pointer-sized
// slot per parameter, each a GlobalAlloc ANSI text that the host owns.
#include <string>
#include <vector>

namespace standin {

class ParameterBlocks {
public:
    explicit ParameterBlocks(const std::vector<std::string>& texts);
    ParameterBlocks(const ParameterBlocks&) = delete;
    ParameterBlocks& operator=(const ParameterBlocks&) = delete;
    ~ParameterBlocks() { (void)release(); }

    [[nodiscard]] bool complete() const noexcept { return complete_; }
    [[nodiscard]] char** slots() noexcept { return slots_.data(); }
    // The texts now in the slots, as a script editor would store them after an edit.
    [[nodiscard]] std::vector<std::string> readBack() const;
    // Frees the host's blocks and every block the plug-in put in their place; gives the
    // number of those that were not GlobalAlloc blocks.
    [[nodiscard]] int release() noexcept;

private:
    std::vector<char*> originals_;
    std::vector<char*> slots_;  // at least one slot, so the array address is never null
    bool complete_ = true;
};

}  // namespace standin
