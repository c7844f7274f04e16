#pragma once
// Helpers for driving the editors' real dialogs from inside the test process: a host-style
// parameter array, a driver that finds each dialog as it appears and acts on it, and
// probes for what was shown.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace editors_testing {

// The host's parameter array: pointer-sized slots holding GlobalAlloc ANSI texts. Frees the
// blocks it made and every block the plug-in wrote in their place.
class HostParams {
public:
    HostParams(std::initializer_list<const char*> texts);
    ~HostParams();
    HostParams(const HostParams&) = delete;
    HostParams& operator=(const HostParams&) = delete;

    [[nodiscard]] void* array() { return slots_.data(); }
    [[nodiscard]] std::string text(size_t index) const;
    // True when the plug-in put a new block into the slot.
    [[nodiscard]] bool written(size_t index) const { return slots_[index] != given_[index]; }
    // The plug-in frees the text it replaces, as the host expects.
    [[nodiscard]] bool oldTextFreed(size_t index) const;
    // Points the slot at memory the test owns (e.g. a no-access page).
    void pointAt(size_t index, char* address);

private:
    std::vector<char*> slots_;
    std::vector<char*> given_;
    std::vector<bool> ownsGiven_;
};

// A committed page that cannot be read: a parameter text the plug-in must not touch.
class NoAccessPage {
public:
    NoAccessPage();
    ~NoAccessPage();
    NoAccessPage(const NoAccessPage&) = delete;
    NoAccessPage& operator=(const NoAccessPage&) = delete;
    [[nodiscard]] char* address() const { return static_cast<char*>(page_); }

private:
    void* page_ = nullptr;
};

// Acts on dialogs as a person would, from a timer on the test's own thread, so it runs
// inside whichever modal loop is showing a dialog. Each step waits for a visible top-level
// window of this thread with the given caption. A step whose window does not come, and any
// dialog that comes after the last step, is recorded as a problem and cancelled, so a
// wrong editor never hangs the test run.
class DialogDriver {
public:
    using Action = std::function<void(HWND dialog)>;
    DialogDriver();
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    DialogDriver& when(const std::wstring& caption, Action action);
    [[nodiscard]] bool allStepsRan() const { return next_ == steps_.size(); }
    [[nodiscard]] const std::vector<std::string>& problems() const { return problems_; }

private:
    struct Step {
        std::wstring caption;
        Action action;
    };
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    void poll();
    void cancelVisibleDialogs(const char* why);

    std::vector<Step> steps_;
    size_t next_ = 0;
    UINT_PTR timer_ = 0;
    DWORD waitingSince_ = 0;
    HWND lastHandled_ = nullptr;
    bool busy_ = false;
    std::vector<std::string> problems_;
};

// Visible top-level window of this thread with that caption, or null.
[[nodiscard]] HWND findThreadWindow(const std::wstring& caption);
[[nodiscard]] std::wstring windowText(HWND window);
[[nodiscard]] std::string narrow(const std::wstring& text);

// Clicks a dialog's button the way the mouse does (the button tells its parent).
void clickButton(HWND dialog, int id);
// Sends a key press to the focused control through the thread's queue. A dialog that has
// not been activated yet (the X server's focus events may come late) is activated first,
// so that the key is not posted to no window at all.
void pressKey(HWND dialog, WPARAM virtualKey);
[[nodiscard]] bool isChecked(HWND dialog, int id);

// The system colour dialog: the colour in its red, green and blue fields, and choosing one.
[[nodiscard]] COLORREF shownColor(HWND colorDialog);
void chooseColor(HWND colorDialog, COLORREF color);
// The system open-file dialog: type a name and press Open.
void openFile(HWND fileDialog, const std::wstring& path);
// Entries of the file-type list and the selected one.
[[nodiscard]] std::vector<std::wstring> fileTypes(HWND fileDialog, int* selected);

// Counts windows created on this thread while it lives.
class WindowCreationCounter {
public:
    WindowCreationCounter();
    ~WindowCreationCounter();
    WindowCreationCounter(const WindowCreationCounter&) = delete;
    WindowCreationCounter& operator=(const WindowCreationCounter&) = delete;
    [[nodiscard]] int count() const;

private:
    HHOOK hook_ = nullptr;
};

// When HUELOOM_SHOTS names a folder, saves what the window shows on screen there as
// `name`.bmp. False only when asked and the file could not be written.
[[nodiscard]] bool saveScreenshotIfAsked(HWND window, const wchar_t* name);

} // namespace editors_testing
