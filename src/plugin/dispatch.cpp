#include "plugin/dispatch.h"

#include <array>
#include <string>
#include <vector>

#include "actions/action_table.h"
#include "platform/heap_block.h"
#include "platform/process_lifetime.h"
#include "plugin/bridge_action_host.h"
#include "plugin/host_bridge.h"

namespace hueloom {

namespace {

// A failure of the action itself says more than a variable lost on the way.
ActionResult withLostVariable(ActionResult result, const std::wstring& lostVariable) {
    if (lostVariable.empty() || result.code == 0 || !result.reports) return result;
    return failed(L"Not enough memory to set " + lostVariable);
}

// Every parameter of an action is read before its handler runs.
std::vector<std::wstring> readParams(void* params, int32_t count) {
    std::vector<std::wstring> texts;
    texts.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) texts.push_back(HostBridge::getParam(params, i));
    return texts;
}

} // namespace

int32_t executeAction(int32_t number, void* params) {
    if (shuttingDown()) return 0;
    const ActionRow* row = findAction(number);
    if (!row) return 0;
    const std::vector<std::wstring> texts = readParams(params, row->parameterCount);
    BridgeActionHost host;
    const ActionResult result = withLostVariable(row->handler(texts, host), host.lostVariable());
    if (result.reports) HostBridge::setLastError(result.lastError);
    return result.code;
}

int32_t editAction(int32_t number, void* params) {
    const ActionRow* row = findAction(number);
    if (!row) return 0;
    if (!row->editor) return 1;  // nothing to edit: the parameters stand as given
    const EditOutcome outcome = row->editor(readParams(params, row->parameterCount));
    if (!outcome.accepted) return 0;
    // Every new text first: without memory for one of them the edit is given up whole and
    // the host keeps its parameters.
    std::vector<char*> blocks(outcome.writes.size(), nullptr);
    bool complete = true;
    for (size_t i = 0; i < outcome.writes.size() && complete; ++i) {
        if (!outcome.writes[i]) continue;
        blocks[i] = HostBridge::toHostText(*outcome.writes[i]);
        complete = blocks[i] != nullptr;
    }
    if (!complete) {
        for (char* block : blocks)
            if (block) GlobalFree(block);
        return 0;
    }
    for (size_t i = 0; i < blocks.size(); ++i)
        if (blocks[i]) HostBridge::putParamBlock(params, static_cast<int>(i), blocks[i]);
    return 1;
}

void registerActions() {
    const RegisterActionCallback registerAction = hostCallbacks().registerAction;
    if (!registerAction) return;
    for (const ActionRow& action : actionTable()) {
        // One byte per parameter (type 1), then zeros; the 33rd byte is always 0.
        std::array<unsigned char, 33> types{};
        for (int32_t i = 0; i < action.parameterCount && i < 32; ++i) types[static_cast<size_t>(i)] = 1;
        char* name = HostBridge::toHostText(action.name);
        char* hint = HostBridge::toHostText(action.hint);
        if (!name || !hint) {
            // The host is never handed a null text; without memory the action goes unregistered.
            if (name) GlobalFree(name);
            if (hint) GlobalFree(hint);
            continue;
        }
        // The type list is a Delphi open array: the value before the count is its highest
        // index.
        const int32_t highestIndex = action.parameterCount > 0 ? action.parameterCount - 1 : 0;
        registerAction(action.number, name, hint, types.data(), highestIndex, action.parameterCount);
        // The host copies both texts.
        (void)freeIfLiveHeapBlock(name);
        (void)freeIfLiveHeapBlock(hint);
    }
}

} // namespace hueloom
