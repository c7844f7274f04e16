#include "editors/editor_dialogs.h"

#include <utility>

#include "editors/dialog_support.h"

namespace hueloom {

namespace {

constexpr wchar_t kEditorClass[] = L"HueloomEditor";
constexpr DWORD kDialogStyle = WS_CAPTION | WS_SYSMENU;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The module that holds the window procedure: the plug-in, or a program linking it.
HINSTANCE codeModule() noexcept {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&codeModule), &module);
    return module;
}

bool isPushButton(HWND control) noexcept {
    wchar_t className[16] = {};
    if (!control || GetClassNameW(control, className, 16) == 0) return false;
    if (CompareStringOrdinal(className, -1, L"Button", -1, TRUE) != CSTR_EQUAL) return false;
    const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

struct ScreenDpi {
    int x = 96;
    int y = 96;
};

ScreenDpi screenDpi() noexcept {
    ScreenDpi dpi;
    if (HDC screen = GetDC(nullptr)) {
        if (const int x = GetDeviceCaps(screen, LOGPIXELSX); x > 0) dpi.x = x;
        if (const int y = GetDeviceCaps(screen, LOGPIXELSY); y > 0) dpi.y = y;
        ReleaseDC(nullptr, screen);
    }
    return dpi;
}

HFONT createDialogFont() noexcept {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

} // namespace

EditorDialog::EditorDialog(const DialogLayout& layout) noexcept {
    ensureCommonControls();
    const HINSTANCE instance = codeModule();

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kEditorClass;
    // Already registered means an editor further up the stack owns the registration.
    classRegistered_ = RegisterClassW(&windowClass) != 0;
    if (!classRegistered_ && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return;

    const ScreenDpi dpi = screenDpi();
    RECT frame{0, 0, scaleForDpi(layout.clientWidth, dpi.x), scaleForDpi(layout.clientHeight, dpi.y)};
    AdjustWindowRectEx(&frame, kDialogStyle, FALSE, kDialogExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

    window_ = CreateWindowExW(kDialogExStyle, kEditorClass, layout.caption, kDialogStyle, left, top, width,
                              height, nullptr, nullptr, instance, this);
    if (!window_) return;
    font_ = GdiObject<HFONT>(createDialogFont());
    createControls(layout, dpi.x, dpi.y);
}

EditorDialog::~EditorDialog() {
    if (window_ && !destroyed_) DestroyWindow(window_);
    window_ = nullptr;
    font_.reset();  // only once no control can use it any more
    if (classRegistered_) UnregisterClassW(kEditorClass, codeModule());
}

void EditorDialog::createControls(const DialogLayout& layout, int dpiX, int dpiY) noexcept {
    const HINSTANCE instance = codeModule();
    for (const ControlLayout& c : layout.controls) {
        HWND control = CreateWindowExW(c.exStyle, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style,
                                       scaleForDpi(c.x, dpiX), scaleForDpi(c.y, dpiY),
                                       scaleForDpi(c.width, dpiX), scaleForDpi(c.height, dpiY), window_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        if (control && font_) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
}

HWND EditorDialog::control(int id) const noexcept { return window_ ? GetDlgItem(window_, id) : nullptr; }

void EditorDialog::show(int focusId) noexcept {
    if (!window_) return;
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    if (HWND focus = control(focusId)) SetFocus(focus);
    UpdateWindow(window_);
}

int EditorDialog::waitForCommand() {
    while (pendingCommand_ == 0) {
        if (destroyed_ || !window_) return IDCANCEL;
        MSG message;
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // The host's own loop must still see the request to quit.
            PostQuitMessage(static_cast<int>(message.wParam));
            return IDCANCEL;
        }
        if (got < 0) return IDCANCEL;
        if (!IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return std::exchange(pendingCommand_, 0);
}

std::wstring EditorDialog::text(int id) const {
    HWND field = control(id);
    if (!field) return {};
    const int length = GetWindowTextLengthW(field);
    if (length <= 0) return {};
    std::wstring value(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(field, value.data(), length + 1);
    value.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return value;
}

void EditorDialog::setText(int id, const std::wstring& text) noexcept {
    if (HWND field = control(id)) SetWindowTextW(field, text.c_str());
}

bool EditorDialog::isChecked(int id) const noexcept {
    HWND button = control(id);
    return button && SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void EditorDialog::check(int id) noexcept {
    if (HWND button = control(id)) SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
}

LRESULT CALLBACK EditorDialog::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* dialog = reinterpret_cast<EditorDialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (!dialog) return DefWindowProcW(window, message, wParam, lParam);
    if (!dialog->window_) dialog->window_ = window;  // messages sent during creation
    return dialog->handle(message, wParam, lParam);
}

LRESULT EditorDialog::defaultButtonId() const noexcept {
    // Enter presses the focused push button, otherwise OK.
    HWND focus = GetFocus();
    const int id = (focus && GetParent(focus) == window_ && isPushButton(focus)) ? GetDlgCtrlID(focus) : IDOK;
    return MAKELRESULT(id, DC_HASDEFID);
}

LRESULT EditorDialog::handle(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (HIWORD(wParam) != BN_CLICKED) break;
        // IsDialogMessage sends IDOK and IDCANCEL with the focused control, whatever it is.
        if (id == IDOK || id == IDCANCEL || isPushButton(reinterpret_cast<HWND>(lParam))) {
            pendingCommand_ = id;
            return 0;
        }
        break;
    }
    case DM_GETDEFID:
        return defaultButtonId();
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window_, focus)) lastFocus_ = focus;
            return 0;
        }
        if (lastFocus_ && IsWindow(lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    case WM_CLOSE:
        pendingCommand_ = IDCANCEL;
        return 0;
    case WM_DESTROY:
        destroyed_ = true;
        break;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace hueloom
