#include "hang_watch.h"

#include <atomic>
#include <cstring>
#include <string>

#include "console.h"
#include "host_session.h"

namespace standin {

namespace {

constexpr DWORD kPollMilliseconds = 1000;

// Shared with the watching thread: the deadline is atomic; the place is only read once
// the main thread has stopped moving.
struct HangWatch {
    std::atomic<ULONGLONG> deadline{0};
    DWORD limitMs = 0;
    char where[256] = "start-up";
};

HangWatch& watch() {
    static HangWatch instance;
    return instance;
}

DWORD WINAPI watchProgress(void*) {
    HangWatch& state = watch();
    for (;;) {
        Sleep(kPollMilliseconds);
        const ULONGLONG deadline = state.deadline.load();
        if (deadline == 0 || GetTickCount64() <= deadline) continue;
        say("host: hung: no progress for " + std::to_string(state.limitMs / 1000) + " s at " + state.where);
        TerminateProcess(GetCurrentProcess(), kExitHung);
    }
}

}  // namespace

void startHangWatch(DWORD limitSeconds) noexcept {
    HangWatch& state = watch();
    if (limitSeconds == 0 || state.limitMs != 0) return;
    state.limitMs = limitSeconds * 1000;
    state.deadline = GetTickCount64() + state.limitMs;
    if (HANDLE thread = CreateThread(nullptr, 0, watchProgress, nullptr, 0, nullptr)) CloseHandle(thread);
}

void noteProgress(std::string_view where, DWORD allowanceMs) noexcept {
    HangWatch& state = watch();
    if (state.limitMs == 0) return;
    const size_t length = where.size() < sizeof state.where - 1 ? where.size() : sizeof state.where - 1;
    std::memcpy(state.where, where.data(), length);
    state.where[length] = '\0';
    state.deadline = GetTickCount64() + state.limitMs + allowanceMs;
}

}  // namespace standin
