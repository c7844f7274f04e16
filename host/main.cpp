// The stand-in host: loads a plug-in DLL by path, reaches it only through its exports, and
// runs script files against it in a publication window.
#include <windows.h>

#include <vector>

#include "console.h"
#include "fault_watch.h"
#include "foreign_memory.h"
#include "hang_watch.h"
#include "host_callbacks.h"
#include "host_session.h"
#include "script_runner.h"

using namespace standin;

int wmain(int argc, wchar_t** argv) {
    reportCrashes();
    watchForFaults();

    const std::vector<std::wstring> arguments(argv + 1, argv + argc);
    const ParsedOptions parsed = parseOptions(arguments);
    if (parsed.helpWanted) {
        say(usageText());
        return kExitPassed;
    }
    if (!parsed.error.empty()) {
        say("host: " + parsed.error);
        say(usageText());
        return kExitScriptError;
    }

    HostSession& state = session();
    state.options = parsed.options;
    startHangWatch(state.options.hangLimitSeconds);
    if (!state.publication.createHostWindow()) {
        say("host: cannot create the host window (error " + std::to_string(GetLastError()) + ")");
        return kExitScriptError;
    }
    const std::string problem = startPlugin(state);
    if (!problem.empty()) {
        say("host: " + problem);
        state.publication.destroyHostWindow();
        return kExitPluginNotLoaded;
    }
    say("host: loaded '" + narrow(state.options.pluginPath) + "', " +
        std::to_string(state.record.registrations.size()) + " actions registered, " +
        (sizeof(void*) == 4 ? "32" : "64") + "-bit, reader " + readerName(state.options.reader));

    const std::vector<ReaderStyle> passes = state.options.readerPasses;
    for (size_t pass = 0; pass < passes.size() && !state.outcome.exitRequest; ++pass) {
        if (pass > 0) {
            useReader(state, passes[pass]);
            say(std::string("host: every script again, with the reader ") + readerName(passes[pass]));
        }
        for (const std::wstring& script : state.options.scripts) {
            runScriptFile(state, script);
            if (state.outcome.exitRequest) break;
        }
    }

    state.publication.destroyHostWindow();
    state.plugin.release();
    (void)reportNewFaults("host: at the end of the run");
    say("host: " + std::to_string(state.outcome.assertions) + " assertions, " +
        std::to_string(state.outcome.failed) + " failed");
    return state.outcome.exitCode();
}
