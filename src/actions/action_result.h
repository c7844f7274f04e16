#pragma once
// What every action handler takes and gives back. Handlers orchestrate the folders below
// and return their answer; the plug-in writes it to [Skin.LastError].
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace hueloom {

struct ActionResult {
    int32_t code = 1;        // what nbExecAction returns: 1 success, 0 failure
    std::wstring lastError;  // the answer for [Skin.LastError]
    bool reports = true;     // false: [Skin.LastError] is left as it is
};

[[nodiscard]] inline ActionResult succeeded(std::wstring answer = L"OK") { return {1, std::move(answer), true}; }
[[nodiscard]] inline ActionResult failed(std::wstring answer) { return {0, std::move(answer), true}; }
// BeginUpdate and EndUpdate answer nothing.
[[nodiscard]] inline ActionResult silent() { return {1, {}, false}; }

// What an action needs from the host in the middle of its work: variables set before the
// action ends, and a subroutine run while repainting is still frozen. The plug-in
// implements it over the host's callbacks; tests may implement it as they like.
class ActionHost {
public:
    virtual void setVariable(std::wstring_view name, std::wstring_view value) = 0;
    // Runs one script line, such as GoSub "Name", before returning. False when the line
    // could not be handed to the host.
    virtual bool runScriptLine(std::wstring_view line) = 0;

protected:
    ~ActionHost() = default;
};

// Every parameter of the action, read from the host before the handler runs.
using ActionParams = std::span<const std::wstring>;
using ActionHandler = ActionResult (*)(ActionParams params, ActionHost& host);

} // namespace hueloom
