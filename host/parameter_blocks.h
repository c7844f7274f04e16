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
    struct Breaches {
        int foreignBlocks = 0;  // new slot texts that are not GlobalAlloc blocks
        int freedByPlugin = 0;  // texts the host still owned that the plug-in freed
    };
    // Frees the host's blocks that are still in their slots and every block the plug-in put
    // in place of one. The old text of a slot that the plug-in replaced is the plug-in's
    // to free (the host frees nothing of the old), so it is left alone here.
    [[nodiscard]] Breaches release() noexcept;

private:
    std::vector<char*> originals_;
    std::vector<char*> slots_;  // at least one slot, so the array address is never null
    bool complete_ = true;
};

}  // namespace standin
