#include "script_runner.h"

#include <cstdio>

#include "checked_call.h"
#include "console.h"
#include "fault_watch.h"
#include "foreign_memory.h"
#include "hang_watch.h"
#include "host_callbacks.h"
#include "host_session.h"
#include "interpreter.h"
#include "windows_setting.h"

namespace standin {

namespace {

constexpr long kMaxScriptBytes = 16L << 20;

std::optional<std::string> readWholeFile(const std::wstring& path) {
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) return std::nullopt;
    std::string text;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, got);
        if (static_cast<long>(text.size()) > kMaxScriptBytes) break;
    }
    const bool failed = std::ferror(file) != 0 || static_cast<long>(text.size()) > kMaxScriptBytes;
    std::fclose(file);
    if (failed) return std::nullopt;
    return text;
}

std::wstring::size_type lastSeparator(const std::wstring& path) {
    return path.find_last_of(L"\\/");
}

std::string fileNameOf(const std::wstring& path) {
    const auto separator = lastSeparator(path);
    return narrow(separator == std::wstring::npos ? path : path.substr(separator + 1));
}

std::string folderOf(const std::wstring& path) {
    const auto separator = lastSeparator(path);
    return separator == std::wstring::npos ? std::string(".\\") : narrow(path.substr(0, separator + 1));
}

// What every script can read about the host, set again at the start of each file.
void exposeHostVariables(HostSession& state, const std::wstring& path) {
    state.variables.clear();
    exposeRecord(state.record, state.variables);
    exposeModuleFacts(state.module, state.variables);
    state.variables.set("[Host.Arch]", sizeof(void*) == 4 ? "32" : "64");
    state.variables.set("[Host.Reader]", readerName(state.options.reader));
    state.variables.set("[Host.Window]",
                        std::to_string(reinterpret_cast<uintptr_t>(state.publication.hostWindow())));
    state.variables.set("[Host.LastResult]", "0");
    state.variables.set("[Host.CallError]", "");
    state.variables.set("[Host.ReadCount]", "0");
    state.variables.set("[PubDir]", folderOf(path));
    state.lastResult = 0;
    state.readCount = 0;
}

void sendHostMessage(HostSession& state, int32_t code) {
    if (state.plugin.usable()) (void)callPlugin("nbMessage", state.plugin.entries().message, code, 0);
}

void reportUnusedPresses(HostSession& state, const std::string& name) {
    for (const PendingPress& press : state.pendingPresses) {
        say(name + ": error: AutoPress '" + narrow(press.caption) + "' found no button to press");
        state.outcome.scriptError = true;
    }
    state.pendingPresses.clear();
}

}  // namespace

void runScriptFile(HostSession& state, const std::wstring& path) {
    const std::string name = fileNameOf(path);
    // A file after FreePlugin gets the plug-in back, so that files stay independent.
    if (state.plugin.released()) {
        const std::string problem = startPlugin(state);
        if (!problem.empty()) {
            say("host: " + name + ": not run: " + problem);
            state.outcome.scriptError = true;
            return;
        }
        say("host: plug-in loaded again for " + name);
    }

    const auto text = readWholeFile(path);
    if (!text) {
        say("host: error: cannot read the script '" + narrow(path) + "'");
        state.outcome.scriptError = true;
        return;
    }
    const ParsedProgram parsed =
        parseProgram(*text, [&state](std::string_view command) { return arityOf(state, command); });
    if (!parsed.errors.empty()) {
        for (const Diagnostic& error : parsed.errors)
            say(name + ":" + std::to_string(error.line) + ": error: " + error.message);
        say("host: " + name + ": not run");
        state.outcome.scriptError = true;
        return;
    }

    const Outcome before = state.outcome;
    noteProgress(name + ", opening");
    exposeHostVariables(state, path);
    sendHostMessage(state, kMessagePublicationStarts);
    state.publication.open();

    Interpreter interpreter(state, parsed.program, name);
    state.running = &interpreter;
    const Flow flow = interpreter.runMain();
    state.running = nullptr;

    noteProgress(name + ", closing");
    sendHostMessage(state, kMessagePublicationCloses);
    state.publication.close();
    restoreAppsTheme();  // the prefix is shared: each file leaves it as it was
    (void)reportNewFaults("host: " + name + ", closing");
    reportUnusedPresses(state, name);

    const int assertions = state.outcome.assertions - before.assertions;
    const int failed = state.outcome.failed - before.failed;
    const int faults = state.outcome.swallowedFaults - before.swallowedFaults;
    say("host: " + name + ": " + std::to_string(assertions) + " assertions, " + std::to_string(failed) +
        " failed" + (faults > 0 ? ", " + std::to_string(faults) + " fault(s) swallowed" : "") +
        (flow == Flow::Failed ? ", stopped by an error" : ""));
}

}  // namespace standin
