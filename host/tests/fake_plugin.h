#pragma once
// A plug-in made of plain functions, handed to the host as entry points, that records what
// the host gives it and uses the host's callbacks the way a real plug-in would.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "interpreter.h"
#include "options.h"
#include "plugin_api.h"

namespace fake {

// Action numbers and names the fake registers.
inline constexpr int32_t kEcho = 1;     // Fake_Echo A B: sets [Echo] to "A|B", returns 7
inline constexpr int32_t kRun = 2;      // Fake_Run LINE: hands LINE to the script processor
inline constexpr int32_t kRead = 3;     // Fake_Read [NAME]: reads it, sets [ReadBack]
inline constexpr int32_t kNothing = 4;  // Fake_Nothing: no parameters, returns 1

struct Record {
    HWND initializeWindow = nullptr;
    HWND initPlugInWindow = nullptr;
    intptr_t registerValue = 0;
    std::vector<std::string> order;  // entry points in the order the host called them
    std::vector<std::vector<std::string>> execParams;
    bool nullArray = false;
    std::vector<int32_t> messages;
    void* reader = nullptr;
    void* setter = nullptr;
    void* scriptProcessor = nullptr;
};

Record& record();

[[nodiscard]] standin::EntryPoints entryPoints();

// Fresh session state with the fake loaded through the host's start-up calls.
void startWithFake(standin::ReaderStyle reader = standin::ReaderStyle::Sdk);

struct ScriptRun {
    standin::Flow flow = standin::Flow::Next;
    std::vector<standin::Diagnostic> errors;
};
// Parses and runs a script text in the current session, output silenced.
ScriptRun runScript(std::string_view text);

// Keeps the host's report lines of expected failures out of the test log (unless the
// environment variable STANDIN_TEST_OUTPUT is set).
class QuietOutput {
public:
    QuietOutput();
    QuietOutput(const QuietOutput&) = delete;
    QuietOutput& operator=(const QuietOutput&) = delete;
    ~QuietOutput();

private:
    int saved_ = -1;
};

}  // namespace fake
