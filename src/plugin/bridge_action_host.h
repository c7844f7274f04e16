#pragma once
// The actions' way to the host, over the host bridge: during an action, and for the
// variables the plug-in keeps current between actions.
#include "actions/action_result.h"
#include "plugin/host_bridge.h"

namespace hueloom {

class BridgeActionHost final : public ActionHost {
public:
    void setVariable(std::wstring_view name, std::wstring_view value) override {
        HostBridge::setVariable(name, value);
    }
    void runScriptLine(std::wstring_view line) override { HostBridge::goSub(line); }
};

} // namespace hueloom
