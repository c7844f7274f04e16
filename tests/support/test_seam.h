#pragma once
// The tests' one way into the plug-in's process-wide seams: the run-time system-function
// table, the Windows build it reports, and the host's callbacks. A seam swaps them for the
// lifetime of the object and puts every one of them back when it goes out of scope.
// Everything else the tests reach through the folders' own interfaces.
#include <cstdint>

#include "platform/system_functions.h"
#include "plugin/host_bridge.h"

namespace testing {

class TestSeam {
public:
    TestSeam() : savedSystem_(hueloom::systemFunctions()), savedHost_(hueloom::hostCallbacks()) {}
    ~TestSeam() {
        hueloom::systemFunctions() = savedSystem_;
        // The exchange buffers may have been allocated meanwhile; they stay.
        hueloom::HostCallbacks& host = hueloom::hostCallbacks();
        savedHost_.nameBuffer = host.nameBuffer;
        savedHost_.valueBuffer = host.valueBuffer;
        host = savedHost_;
    }
    TestSeam(const TestSeam&) = delete;
    TestSeam& operator=(const TestSeam&) = delete;

    // The live table: fakes installed here are what the plug-in calls. Helpers that set up
    // a whole scene reach it without an object; the scene's seam restores it.
    [[nodiscard]] static hueloom::SystemFunctions& system() { return hueloom::systemFunctions(); }
    // The build windowsBuild() answers from now on (0: as if the system could not tell).
    static void setWindowsBuild(int32_t build) { hueloom::systemFunctions().buildCache = build; }
    // -1 until windowsBuild() has asked the system.
    [[nodiscard]] static int32_t cachedWindowsBuild() { return hueloom::systemFunctions().buildCache; }
    [[nodiscard]] static hueloom::HostCallbacks& host() { return hueloom::hostCallbacks(); }

private:
    hueloom::SystemFunctions savedSystem_;
    hueloom::HostCallbacks savedHost_;
};

} // namespace testing
