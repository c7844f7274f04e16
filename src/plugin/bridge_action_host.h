#pragma once
// The actions' way to the host, over the host bridge: during an action, and for the
// variables the plug-in keeps current between actions.
#include <string>
#include <string_view>

#include "actions/action_result.h"
#include "plugin/host_bridge.h"

namespace hueloom {

// It remembers the first variable that could not be set, so that an action does not
// answer "OK" without it.
class BridgeActionHost final : public ActionHost {
public:
    void setVariable(std::wstring_view name, std::wstring_view value) override {
        if (!HostBridge::setVariable(name, value) && lostVariable_.empty()) lostVariable_ = name;
    }
    bool runScriptLine(std::wstring_view line) override { return HostBridge::goSub(line); }
    [[nodiscard]] const std::wstring& lostVariable() const noexcept { return lostVariable_; }

private:
    std::wstring lostVariable_;
};

} // namespace hueloom
