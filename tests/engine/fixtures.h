#pragma once
// Shared fixtures of the in-process engine tests: a fake host behind the plug-in's
// callbacks, a plug-in reset, and windows that clean up after themselves.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/host_window.h"

namespace testing {

// How the fake host's variable reader answers, as the host maker's plug-in SDK does
// (`Stores`: the address of a fresh GlobalAlloc text in the first pointer-sized bytes of the
// value buffer, after freeing whatever non-null pointer was there) or by copying the value
// into the buffer.
enum class FakeReader { Stores, Copies };

// Records what the plug-in hands to the host and answers variable reads. Like the real host
// it copies the texts of a variable write and frees nothing the plug-in passes in.
struct FakeHost {
    FakeReader reader = FakeReader::Stores;
    int slotsNotCleared = 0;  // reads that found a pointer left in the value buffer
    std::vector<void*> storedTexts;  // every text the storing reader handed over
    std::map<std::string, std::string> variables;          // name with brackets -> value
    std::vector<std::pair<std::string, std::string>> sets;  // every setVariable, in order
    std::vector<std::string> scriptLines;                   // every line given to the processor
    std::function<void(const std::string&)> onScriptLine;   // runs a line (e.g. nested actions)

    static FakeHost& current();
    // Installs the callbacks in the plug-in.
    void install();
    [[nodiscard]] std::string var(const std::string& name) const;
    [[nodiscard]] bool has(const std::string& name) const { return variables.count(name) != 0; }
    [[nodiscard]] std::string lastError() const { return var("[Skin.LastError]"); }
    void clear();
};

// Host window (top-level, visible) that the plug-in receives as `hostWindow`.
HWND createHostWindow(int width = 640, int height = 480);
HWND createChild(HWND parent, const wchar_t* className, DWORD style, int x = 10, int y = 10,
                 int width = 120, int height = 24, const wchar_t* text = L"");

// Resets the whole plug-in to its load-time state, installs a fresh FakeHost and gives it
// `hostWindow`. Windows subclassed by earlier tests must have been destroyed or reset.
void resetPlugin(HWND hostWindow = nullptr);

// Runs the thread's message queue for a while (timers, paints).
void pumpMessages(DWORD milliseconds);
// Runs it until `done` holds (true) or the time is up (false).
bool pumpUntil(const std::function<bool()>& done, DWORD milliseconds);

// Number of GDI objects the process can still create (free-handle probe).
int freeGdiHandles();

// Pixel of a 32-bit top-down DIB section used as a paint target.
class DibCanvas {
public:
    DibCanvas(int width, int height);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;
    [[nodiscard]] HDC dc() const { return dc_; }
    // COLORREF form (0x00BBGGRR) of the pixel.
    [[nodiscard]] COLORREF pixel(int x, int y) const;
    void fill(COLORREF color);

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    unsigned* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// Executes an action through the exported entry point with the given parameter texts.
int executeAction(int number, const std::vector<std::string>& params);
// Runs an action's handler straight from the action table with wide parameter texts that
// no host could pass, answering through the fake host as the plug-in's dispatch does.
int runActionWide(int number, const std::vector<std::wstring>& params);

} // namespace testing
