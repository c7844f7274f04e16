#pragma once
// The plumbing shared by the editors' own dialogs: a captioned top-level window without an
// owner, centred on the screen, laid out in 1/96 inch and scaled to the screen's DPI, with
// the system's dialog font, Enter as OK, Escape as Cancel, and its own modal loop.
#include <windows.h>

#include <span>
#include <string>

#include "platform/gdi.h"

namespace hueloom {

// One child control, placed in 1/96 inch within the client area.
struct ControlLayout {
    const wchar_t* className;
    const wchar_t* text;
    int id;
    DWORD style;    // added to WS_CHILD | WS_VISIBLE
    DWORD exStyle;
    int x, y, width, height;
};

struct DialogLayout {
    const wchar_t* caption;
    int clientWidth, clientHeight;  // 1/96 inch
    std::span<const ControlLayout> controls;
};

class EditorDialog {
public:
    explicit EditorDialog(const DialogLayout& layout) noexcept;
    // Destroys the window, then the font it used, then the window class.
    ~EditorDialog();
    EditorDialog(const EditorDialog&) = delete;
    EditorDialog& operator=(const EditorDialog&) = delete;

    [[nodiscard]] bool created() const noexcept { return window_ != nullptr; }
    [[nodiscard]] HWND window() const noexcept { return window_; }
    [[nodiscard]] HWND control(int id) const noexcept;

    // Shows the window with the keyboard focus on control `focusId`.
    void show(int focusId) noexcept;

    // Runs the thread's messages until a button is pressed or the window is closed.
    // Returns IDOK, IDCANCEL (also for closing the window, for its destruction by someone
    // else and for WM_QUIT, which is passed on) or the id of another push button.
    [[nodiscard]] int waitForCommand();

    [[nodiscard]] std::wstring text(int id) const;
    void setText(int id, const std::wstring& text) noexcept;
    [[nodiscard]] bool isChecked(int id) const noexcept;
    void check(int id) noexcept;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    [[nodiscard]] LRESULT defaultButtonId() const noexcept;
    void createControls(const DialogLayout& layout, int dpiX, int dpiY) noexcept;

    HWND window_ = nullptr;
    GdiObject<HFONT> font_;
    bool classRegistered_ = false;
    bool destroyed_ = false;
    int pendingCommand_ = 0;
    HWND lastFocus_ = nullptr;  // restored when the window is activated again
};

} // namespace hueloom
