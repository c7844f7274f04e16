#include "fault_watch.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "console.h"
#include "host_session.h"

namespace standin {

namespace {

bool isFault(DWORD code) noexcept {
    switch (code) {
        case EXCEPTION_ACCESS_VIOLATION:
        case EXCEPTION_IN_PAGE_ERROR:
        case EXCEPTION_ILLEGAL_INSTRUCTION:
        case EXCEPTION_PRIV_INSTRUCTION:
        case EXCEPTION_STACK_OVERFLOW:
        case EXCEPTION_INT_DIVIDE_BY_ZERO:
        case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
        case EXCEPTION_DATATYPE_MISALIGNMENT:
            return true;
        default:
            return false;
    }
}

LONG WINAPI reportCrash(EXCEPTION_POINTERS* info) {
    const void* address = info->ExceptionRecord->ExceptionAddress;
    char module[MAX_PATH] = "unknown module";
    HMODULE owner = nullptr;
    if (GetModuleHandleExA(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<const char*>(address), &owner))
        GetModuleFileNameA(owner, module, MAX_PATH);
    char line[MAX_PATH + 96];
    std::snprintf(line, sizeof line, "host: crashed: exception 0x%08lX at %p in %s",
                  static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode), address, module);
    say(line);
    // A fixed code: the exception's own would be cut to its low byte by the shell.
    TerminateProcess(GetCurrentProcess(), kExitCrashed);
    return EXCEPTION_EXECUTE_HANDLER;
}

// Runs at the moment of the fault, possibly on an exhausted stack: it only notes.
LONG CALLBACK noteFault(EXCEPTION_POINTERS* info) {
    const DWORD code = info->ExceptionRecord->ExceptionCode;
    if (!isFault(code)) return EXCEPTION_CONTINUE_SEARCH;
    FaultLog& log = session().faults;
    if (log.seen == log.reported) {
        log.firstCode = code;
        log.firstAddress = info->ExceptionRecord->ExceptionAddress;
    }
    log.seen = log.seen + 1;
    return EXCEPTION_CONTINUE_SEARCH;
}

std::string moduleOf(const void* address) {
    HMODULE owner = nullptr;
    char name[MAX_PATH] = "no module";
    if (GetModuleHandleExA(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<const char*>(address), &owner))
        GetModuleFileNameA(owner, name, MAX_PATH);
    return name;
}

}  // namespace

void watchForFaults() noexcept {
    FaultLog& log = session().faults;
    if (log.watching) return;
    log.watching = AddVectoredExceptionHandler(1, noteFault) != nullptr;
}

void reportCrashes() noexcept {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(reportCrash);
}

int reportNewFaults(std::string_view where) {
    FaultLog& log = session().faults;
    const int fresh = log.seen - log.reported;
    if (fresh <= 0) return 0;
    char line[96];
    std::snprintf(line, sizeof line, "exception 0x%08lX at %p", static_cast<unsigned long>(log.firstCode),
                  log.firstAddress);
    say(std::string(where) + ": " + std::to_string(fresh) + " fault(s) swallowed by the system, the first " +
        line + " in " + moduleOf(log.firstAddress));
    log.reported = log.seen;
    session().outcome.swallowedFaults += fresh;
    return fresh;
}

}  // namespace standin
