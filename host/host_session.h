#pragma once
// The one home of the host's process-wide state. The plug-in's callbacks carry no context,
// so they reach the running host through session().
#include <windows.h>

#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "module_facts.h"
#include "options.h"
#include "plugin_library.h"
#include "plugin_record.h"
#include "publication.h"
#include "variables.h"

namespace standin {

class Interpreter;
struct AlertWatch;

// Exit codes, most serious last.
inline constexpr int kExitPassed = 0;
inline constexpr int kExitAssertionFailed = 1;
inline constexpr int kExitScriptError = 2;
inline constexpr int kExitPluginNotLoaded = 3;
inline constexpr int kExitCrashed = 4;
inline constexpr int kExitHung = 5;

struct Outcome {
    int assertions = 0;
    int failed = 0;  // failed assertions and broken rules of the plug-in contract
    bool scriptError = false;
    std::optional<int> exitRequest;  // from the Exit command
    int swallowedFaults = 0;         // faults the system caught and hid; a crash all the same

    // An Exit code never hides a failure or an error.
    [[nodiscard]] int exitCode() const noexcept;
};

// Faults noted by the vectored handler (fault_watch.h) and how many were reported.
struct FaultLog {
    volatile int seen = 0;
    int reported = 0;
    DWORD firstCode = 0;  // of the first fault not yet reported
    void* firstAddress = nullptr;
    bool watching = false;
};

// A button that AutoPress will press once it appears (in a dialog the plug-in shows).
struct PendingPress {
    std::wstring caption;
    DWORD deadline = 0;
};

struct HostSession {
    Options options;
    PluginLibrary plugin;
    PluginRecord record;
    ModuleFacts module;
    VariableStore variables;
    Publication publication;
    Outcome outcome;
    FaultLog faults;
    Interpreter* running = nullptr;  // the script file being run, for the script processor
    std::string readCopy;            // the value the address-style reader points the plug-in at
    int readCount = 0;
    int lastResult = 0;  // of the last action call
    std::deque<PendingPress> pendingPresses;
    UINT_PTR pressTimer = 0;
    AlertWatch* alertUp = nullptr;  // the alert a script waits to look at (alert_box.h)

    // Sets a variable and repaints the host objects tied to it.
    void setVariable(std::string_view name, std::string_view value);
    // A broken rule of the plug-in contract: reported and counted as a failure.
    void contractBroken(std::string_view what);
};

[[nodiscard]] HostSession& session();

}  // namespace standin
