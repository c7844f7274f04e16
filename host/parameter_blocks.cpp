#include "parameter_blocks.h"

#include "foreign_memory.h"

namespace standin {

namespace {

constexpr size_t kMaxTextBytes = size_t{1} << 24;

}  // namespace

ParameterBlocks::ParameterBlocks(const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        char* block = newTextBlock(text);
        if (!block) complete_ = false;
        originals_.push_back(block);
    }
    slots_ = originals_;
    if (slots_.empty()) slots_.push_back(nullptr);
}

ParameterBlocks::Breaches ParameterBlocks::release() noexcept {
    Breaches breaches;
    for (size_t i = 0; i < originals_.size(); ++i) {
        if (slots_[i] != originals_[i]) {
            if (slots_[i] && !(isLiveHeapBlock(slots_[i]) && freeHostOwnedBlock(slots_[i])))
                ++breaches.foreignBlocks;
        } else if (originals_[i]) {
            // Checked before the free: a text the plug-in freed must not be freed twice.
            if (isLiveHeapBlock(originals_[i])) (void)freeHostOwnedBlock(originals_[i]);
            else ++breaches.freedByPlugin;
        }
        originals_[i] = slots_[i] = nullptr;
    }
    return breaches;
}

std::vector<std::string> ParameterBlocks::readBack() const {
    std::vector<std::string> texts;
    for (size_t i = 0; i < originals_.size(); ++i) {
        const auto text = copyForeignText(slots_[i], kMaxTextBytes);
        texts.push_back(text ? *text : (slots_[i] ? "(unreadable)" : "(null)"));
    }
    return texts;
}

}  // namespace standin
