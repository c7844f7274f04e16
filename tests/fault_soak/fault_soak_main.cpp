// The soak with the system running short. A soak script written by tools/soak runs through
// the stand-in host's own interpreter, publication and probes, in this process, against the
// plug-in's code linked in; the host reaches it through the eight entry points only, as it
// reaches the DLL. Meanwhile a seeded injector fails a share of the plug-in's calls that
// need resources. The host checks what it always checks (every answer, contract, heap, GDI
// handles, what is left after the final Reset); this program adds that an answer of "OK"
// happened, that the plug-in's own records are empty at the end, and reports what failed.
//
//   fault_soak --seed N --per-mille N [--hang-limit S] SCRIPT
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "actions/action_table.h"
#include "checked_actions.h"
#include "console.h"
#include "fault_watch.h"
#include "foreign_memory.h"
#include "hang_watch.h"
#include "host_callbacks.h"
#include "host_session.h"
#include "plugin/lifecycle.h"
#include "script_runner.h"
#include "support/fault_injector.h"

using namespace standin;
using testing::FaultInjector;
using testing::FaultPoint;

namespace {

struct Arguments {
    unsigned long long seed = 1;
    int perMille = 30;
    unsigned hangLimit = 300;
    std::wstring script;
    std::string error;
};

Arguments parseArguments(int argc, wchar_t** argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::wstring option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == L"--seed" && hasValue)
            arguments.seed = std::wcstoull(argv[++i], nullptr, 10);
        else if (option == L"--per-mille" && hasValue)
            arguments.perMille = static_cast<int>(std::wcstol(argv[++i], nullptr, 10));
        else if (option == L"--hang-limit" && hasValue)
            arguments.hangLimit = static_cast<unsigned>(std::wcstoul(argv[++i], nullptr, 10));
        else if (!option.empty() && option[0] != L'-' && arguments.script.empty())
            arguments.script = option;
        else
            arguments.error = "unknown argument " + narrow(option);
    }
    if (arguments.script.empty() && arguments.error.empty()) arguments.error = "no script given";
    if (arguments.perMille < 0 || arguments.perMille > 1000) arguments.error = "--per-mille takes 0 to 1000";
    return arguments;
}

std::string contextName(int context) {
    if (context == 0) return "outside actions";
    const hueloom::ActionRow* row = hueloom::findAction(context);
    const std::wstring name = row ? row->name : L"?";
    return std::string(name.begin(), name.end());
}

void reportInjections(const FaultInjector& injector) {
    say("fault-soak: " + std::to_string(injector.totalFailures()) + " injected failures");
    for (int p = 0; p < testing::kFaultPoints; ++p) {
        const auto point = static_cast<FaultPoint>(p);
        const FaultInjector::Counts& counts = injector.counts(point);
        std::string line = "fault-soak:   " + std::string(testing::faultPointName(point)) + ": " +
                           std::to_string(counts.failures) + " of " + std::to_string(counts.calls) +
                           " calls failed";
        std::string where;
        for (int c = 0; c <= testing::kMaxFaultContext; ++c) {
            const uint64_t n = counts.failuresByContext[static_cast<size_t>(c)];
            if (n) where += (where.empty() ? "" : ", ") + contextName(c) + " " + std::to_string(n);
        }
        if (!where.empty()) line += " (" + where + ")";
        say(line);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    reportCrashes();
    watchForFaults();
    const Arguments arguments = parseArguments(argc, argv);
    if (!arguments.error.empty()) {
        say("fault-soak: " + arguments.error);
        say("usage: fault_soak --seed N --per-mille N [--hang-limit S] SCRIPT");
        return kExitScriptError;
    }

    HostSession& state = session();
    state.options.pluginPath = L"(linked in)";
    state.options.hangLimitSeconds = arguments.hangLimit;
    startHangWatch(arguments.hangLimit);
    hueloom::pluginStartup();  // what the DLL's process attach does
    if (!state.publication.createHostWindow()) {
        say("fault-soak: cannot create the host window");
        return kExitScriptError;
    }

    FaultInjector injector;
    state.plugin.adopt(fault_soak::checkedEntryPoints(injector));
    state.record = PluginRecord{};
    introducePlugin(state.publication.hostWindow());
    say("fault-soak: seed " + std::to_string(arguments.seed) + ", " + std::to_string(arguments.perMille) +
        " in 1000 calls fail");
    fault_soak::failAfterWarmUp(arguments.seed, arguments.perMille);
    runScriptFile(state, arguments.script);
    injector.stop();

    const std::vector<std::string> left = fault_soak::leftovers();
    for (const std::string& what : left) say("fault-soak: left after the final Reset: " + what);
    for (const std::string& line : fault_soak::falseAnswers()) say("fault-soak: false answer: " + line);
    state.publication.destroyHostWindow();
    (void)reportNewFaults("fault-soak: at the end of the run");

    reportInjections(injector);
    const fault_soak::ActionTally& tally = fault_soak::actionTally();
    say("fault-soak: " + std::to_string(tally.checked) + " actions checked; " +
        std::to_string(tally.metFailures) + " met a failed call, " + std::to_string(tally.answeredFailure) +
        " of them answered a failure; " + std::to_string(fault_soak::falseAnswers().size()) +
        " answered OK without doing it");
    say("host: " + std::to_string(state.outcome.assertions) + " assertions, " +
        std::to_string(state.outcome.failed) + " failed");
    const bool pluginAtFault = !left.empty() || !fault_soak::falseAnswers().empty();
    const int code = state.outcome.exitCode();
    return code == kExitPassed && pluginAtFault ? kExitAssertionFailed : code;
}
