#include "skin_check/report_window.h"

#include <cwchar>
#include <memory>

#include "platform/gdi.h"

namespace hueloom::skincheck {

namespace {

constexpr wchar_t kClassName[] = L"HueloomSkinCheckReport";

// Sizes at 96 DPI.
constexpr int kMargin = 8;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 26;
constexpr int kMinWidth = 440;
constexpr int kMinHeight = 240;
constexpr int kStartWidth = 780;
constexpr int kStartHeight = 600;

struct ReportWindow {
    WindowReport report;
    int dpi = 96;
    GdiObject<HFONT> reportFont;  // fixed width, so the report's columns line up
    GdiObject<HFONT> uiFont;      // the system's message font, for the buttons and status

    [[nodiscard]] int scaled(int value) const { return MulDiv(value, dpi, 96); }
};

ReportWindow* stateOf(HWND window) {
    return reinterpret_cast<ReportWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = dcDpi(screen);
    ReleaseDC(nullptr, screen);
    return dpi;
}

HFONT fixedWidthFont(int dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(10, dpi, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    // Consolas where there is one; any fixed-pitch face otherwise.
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    wcscpy(font.lfFaceName, L"Consolas");
    return CreateFontIndirectW(&font);
}

HFONT messageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

HWND addChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int id, HFONT font,
              DWORD exStyle = 0) {
    HWND child = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
    if (child && font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

bool createChildren(HWND window, ReportWindow& state) {
    HWND text = addChild(window, L"EDIT", L"",
                         WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
                             ES_AUTOHSCROLL | ES_NOHIDESEL,
                         kReportTextId, state.reportFont.get(), WS_EX_CLIENTEDGE);
    HWND status = addChild(window, L"STATIC", L"", SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS | SS_CENTERIMAGE | SS_NOPREFIX,
                           kStatusLineId, state.uiFont.get());
    HWND save = addChild(window, L"BUTTON", L"Save report", WS_TABSTOP | BS_PUSHBUTTON, kSaveButtonId,
                         state.uiFont.get());
    HWND close = addChild(window, L"BUTTON", L"Close", WS_TABSTOP | BS_DEFPUSHBUTTON, kCloseButtonId,
                          state.uiFont.get());
    if (!text || !status || !save || !close) return false;
    // A multi-line edit stops at 32K characters unless told otherwise; 0 means no limit.
    SendMessageW(text, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextW(text, state.report.text.c_str());
    EnableWindow(save, state.report.save ? TRUE : FALSE);
    return true;
}

void layOut(HWND window, const ReportWindow& state) {
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    const int margin = state.scaled(kMargin);
    const int buttonWidth = state.scaled(kButtonWidth), buttonHeight = state.scaled(kButtonHeight);
    const int barTop = height - buttonHeight - 2 * margin;
    const int buttonTop = barTop + margin;
    const int closeLeft = width - margin - buttonWidth;
    const int saveLeft = closeLeft - margin - buttonWidth;

    HDWP moves = BeginDeferWindowPos(4);
    const auto place = [&](int id, int x, int y, int w, int h) {
        if (moves) moves = DeferWindowPos(moves, GetDlgItem(window, id), nullptr, x, y, w > 0 ? w : 0, h > 0 ? h : 0,
                                          SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place(kReportTextId, 0, 0, width, barTop);
    place(kStatusLineId, margin, buttonTop, saveLeft - 2 * margin, buttonHeight);
    place(kSaveButtonId, saveLeft, buttonTop, buttonWidth, buttonHeight);
    place(kCloseButtonId, closeLeft, buttonTop, buttonWidth, buttonHeight);
    if (moves) EndDeferWindowPos(moves);
}

LRESULT CALLBACK reportWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ReportWindow* state = stateOf(window);
    switch (message) {
    case WM_NCCREATE: {
        // The window takes the state over; WM_NCDESTROY frees it, whatever happens next.
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* owner = static_cast<std::unique_ptr<ReportWindow>*>(create->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner->release()));
        break;
    }
    case WM_CREATE:
        return state && createChildren(window, *state) ? 0 : -1;
    case WM_SIZE:
        if (state) layOut(window, *state);
        return 0;
    case WM_GETMINMAXINFO:
        if (state) {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = {state->scaled(kMinWidth), state->scaled(kMinHeight)};
        }
        return 0;
    case WM_COMMAND:
        if (!state) break;
        if (LOWORD(wParam) == kSaveButtonId && state->report.save) {
            SetDlgItemTextW(window, kStatusLineId, state->report.save().c_str());
            return 0;
        }
        if (LOWORD(wParam) == kCloseButtonId) {
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        // Children are gone by now, so their fonts can go with the state.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete state;
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool registerClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kClassName, &windowClass)) return true;
    windowClass.lpfnWndProc = reportWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    // The program's own icon when it has one (resource 1), else the system's.
    windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    if (!windowClass.hIcon) windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    return RegisterClassExW(&windowClass) != 0;
}

// Keys a dialog would handle: Esc closes, Tab moves between the text and the buttons
// (a multi-line edit would keep it), Ctrl+A selects the whole report.
bool handleKey(HWND window, const MSG& message) {
    if (message.message != WM_KEYDOWN || (message.hwnd != window && !IsChild(window, message.hwnd))) return false;
    if (message.wParam == VK_ESCAPE) {
        SendMessageW(window, WM_COMMAND, kCloseButtonId, 0);
        return true;
    }
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (message.wParam == VK_TAB && !control) {
        const bool back = GetKeyState(VK_SHIFT) < 0;
        if (HWND next = GetNextDlgTabItem(window, GetFocus(), back ? TRUE : FALSE)) SetFocus(next);
        return true;
    }
    if (message.wParam == 'A' && control && GetDlgCtrlID(message.hwnd) == kReportTextId) {
        SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
        return true;
    }
    return false;
}

} // namespace

HWND openReportWindow(WindowReport report) {
    if (!registerClass()) return nullptr;
    auto state = std::make_unique<ReportWindow>();
    state->report = std::move(report);
    state->dpi = screenDpi();
    state->reportFont = GdiObject<HFONT>(fixedWidthFont(state->dpi));
    state->uiFont = GdiObject<HFONT>(messageFont());
    const std::wstring title = state->report.title;
    const int width = state->scaled(kStartWidth), height = state->scaled(kStartHeight);
    HWND window = CreateWindowExW(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  width, height, nullptr, nullptr, GetModuleHandleW(nullptr), &state);
    if (!window) return nullptr;
    ShowWindow(window, SW_SHOWNORMAL);
    SetFocus(GetDlgItem(window, kReportTextId));
    return window;
}

void runUntilClosed(HWND window) {
    MSG message;
    while (IsWindow(window)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (handleKey(window, message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace hueloom::skincheck
