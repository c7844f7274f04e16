// Calls into the plug-in: actions, host messages, the design-time editor, unloading, and
// what the host recorded of the plug-in.
#include "checked_call.h"
#include "command_table.h"
#include "foreign_memory.h"
#include "console.h"
#include "host_callbacks.h"
#include "plugin_api.h"
#include "host_session.h"
#include "parameter_blocks.h"
#include "text_util.h"

namespace standin {

namespace {

// A call the host does not make because the plug-in is gone; reported, not fatal, so that
// scripts can check how the host copes.
Flow refuse(const Call& call, const std::string& what) {
    const std::string message = "the plug-in has been freed; " + what;
    say(call.where() + ": refused: " + message);
    call.session.variables.set("[Host.CallError]", message);
    return Flow::Next;
}

// A call that was made leaves no refusal behind.
Flow afterPluginCall(const Call& call) {
    call.session.variables.set("[Host.CallError]", "");
    return Flow::Next;
}

void checkReturnedBlocks(const Call& call, ParameterBlocks& blocks, std::string_view action) {
    const ParameterBlocks::Breaches breaches = blocks.release();
    if (breaches.foreignBlocks > 0)
        call.session.contractBroken(std::string(action) + " left " + std::to_string(breaches.foreignBlocks) +
                                    " parameter slot(s) holding a block that is not a GlobalAlloc text");
    if (breaches.freedByPlugin > 0)
        call.session.contractBroken(std::string(action) + " freed " + std::to_string(breaches.freedByPlugin) +
                                    " parameter text(s) that the host owns");
}

Flow hostMessage(const Call& call) {
    const auto code = call.number(0);
    if (!code) return call.notANumber(0);
    if (!call.session.plugin.usable())
        return refuse(call, "HostMessage " + std::to_string(*code) + " was not sent");
    (void)callPlugin("nbMessage", call.session.plugin.entries().message, *code, 0);
    return afterPluginCall(call);
}

Flow editAction(const Call& call) {
    HostSession& session = call.session;
    const std::string name = call.text(0);
    const Registration* action = session.record.findAction(name);
    if (!action) return call.fail("no action named '" + name + "' was registered");
    const int given = static_cast<int>(call.count()) - 1;
    if (given != action->count)
        return call.fail(name + " takes " + std::to_string(action->count) + " parameters, got " +
                         std::to_string(given));
    if (!session.plugin.usable()) return refuse(call, "EditAction " + name + " was not called");

    std::vector<std::string> texts;
    for (size_t i = 1; i < call.count(); ++i) texts.push_back(call.text(i));
    ParameterBlocks blocks(texts);
    if (!blocks.complete()) return call.fail("no memory for the parameters");
    const int32_t result =
        callPlugin("nbEditAction", session.plugin.entries().editAction, action->number, blocks.slots());
    const std::vector<std::string> after = blocks.readBack();
    checkReturnedBlocks(call, blocks, "nbEditAction");

    say("EditAction " + name + ": result " + std::to_string(result));
    session.variables.set("[Host.EditResult]", std::to_string(result));
    for (size_t i = 0; i < after.size(); ++i) {
        say("    param " + std::to_string(i + 1) + ": \"" + after[i] + "\"");
        session.variables.set("[Host.Edit" + std::to_string(i + 1) + "]", after[i]);
    }
    return afterPluginCall(call);
}

Flow freePlugin(const Call& call) {
    call.session.plugin.release();
    say("host: plug-in freed");
    return Flow::Next;
}

// Hands the plug-in another variable reader, as a host may by registering again; the
// registration callback is left out so the actions are not registered a second time.
Flow setReader(const Call& call) {
    HostSession& session = call.session;
    const std::string word = call.text(0);
    const auto named = readerNamed(widen(word));
    if (!named) return call.fail("SetReader takes sdk, copy, address or cdecl, got '" + word + "'");
    const ReaderStyle style = *named;
    if (!session.plugin.usable()) return refuse(call, "SetReader " + word + " was not passed on");
    useReader(session, style);
    session.variables.set("[Host.Reader]", readerName(style));
    return afterPluginCall(call);
}

// GetProcAddress on the loaded plug-in, by name or, for "#N", by ordinal: the address as a
// decimal number, "0" when there is no such export.
Flow exportAddress(const Call& call) {
    const std::string name = call.text(0);
    const auto variable = call.variableName(1);
    if (!variable) return Flow::Failed;
    HMODULE module = call.session.plugin.module();
    if (!module) {
        call.session.setVariable(*variable, "0");
        return refuse(call, "ExportAddress " + name + " was not looked up");
    }
    const auto ordinal = parseOrdinal(name);
    const FARPROC address =
        ordinal ? GetProcAddress(module, MAKEINTRESOURCEA(*ordinal)) : GetProcAddress(module, name.c_str());
    call.session.setVariable(*variable, std::to_string(reinterpret_cast<uintptr_t>(address)));
    return afterPluginCall(call);
}

Flow listRegistrations(const Call& call) {
    const auto& registrations = call.session.record.registrations;
    if (registrations.empty()) say("host: no actions registered");
    for (const Registration& registration : registrations) say(describeRegistration(registration));
    return Flow::Next;
}

Flow printIdentity(const Call& call) {
    const PluginRecord& record = call.session.record;
    say("title: " + record.title);
    say("publisher: " + record.publisher);
    say("hint: " + record.hint);
    say("info title: " + record.infoTitle);
    say("description: " + record.description);
    return Flow::Next;
}

constexpr CommandEntry kPluginCommands[] = {
    {"HostMessage", Arity::exactly(1), hostMessage},
    {"EditAction", Arity::between(1, 33), editAction},
    {"FreePlugin", Arity::exactly(0), freePlugin},
    {"SetReader", Arity::exactly(1), setReader},
    {"ExportAddress", Arity::exactly(2), exportAddress},
    {"ListRegistrations", Arity::exactly(0), listRegistrations},
    {"PrintIdentity", Arity::exactly(0), printIdentity},
};

}  // namespace

const CommandEntry* findPluginCommand(std::string_view name) {
    return findIn(kPluginCommands, name);
}

Flow callAction(const Call& call, int32_t number) {
    HostSession& session = call.session;
    const std::string& name = call.statement.name;
    if (!session.plugin.usable()) {
        session.lastResult = 0;
        session.variables.set("[Host.LastResult]", "0");
        return refuse(call, name + " was not called");
    }
    std::vector<std::string> texts;
    for (size_t i = 0; i < call.count(); ++i) texts.push_back(call.text(i));
    ParameterBlocks blocks(texts);
    if (!blocks.complete()) return call.fail("no memory for the parameters");
    const int32_t result =
        callPlugin("nbExecAction", session.plugin.entries().execAction, number, blocks.slots());
    checkReturnedBlocks(call, blocks, name);
    session.lastResult = result;
    session.variables.set("[Host.LastResult]", std::to_string(result));
    return afterPluginCall(call);
}

}  // namespace standin
