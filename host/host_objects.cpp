#include "host_objects.h"

#include "foreign_memory.h"
#include "host_object_paint.h"
#include "host_session.h"
#include "text_util.h"

namespace standin {

namespace {

struct HostObjectState {
    HostObjectSetup setup;
    bool pressed = false;  // the left button went down on the object and is not up yet
};

HostObjectState* stateOf(HWND window) noexcept {
    return reinterpret_cast<HostObjectState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

std::wstring captionOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring caption(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int copied = GetWindowTextW(window, caption.data(), length + 1);
    caption.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return caption;
}

std::string variableText(const HostObjectState& state) {
    return session().variables.value(state.setup.variable);
}

bool isOn(HWND window, const HostObjectState& state) {
    const std::string value(trimBlanks(variableText(state)));
    if (state.setup.kind == HostObjectKind::Check) return equalsFolded(value, "True");
    return !value.empty() && equalsFolded(value, narrow(captionOf(window)));
}

int positionOf(const HostObjectState& state) {
    return trackPositionFromText(variableText(state), state.setup.range);
}

void moveThumbTo(HWND window, HostObjectState& state, int x) {
    RECT client{};
    GetClientRect(window, &client);
    const std::string position = std::to_string(trackPositionAt(x, client.right, state.setup.range));
    if (variableText(state) != position) session().setVariable(state.setup.variable, position);
}

// The click of a check box or radio button, once the button is released over it.
void applyClick(HWND window, const HostObjectState& state) {
    if (state.setup.kind == HostObjectKind::Check)
        session().setVariable(state.setup.variable, isOn(window, state) ? "False" : "True");
    else if (state.setup.kind == HostObjectKind::Radio)
        // The other radios of the variable lose their dot when they repaint.
        session().setVariable(state.setup.variable, narrow(captionOf(window)));
}

void paint(HWND window, HDC dc, const HostObjectState& state) {
    RECT client{};
    GetClientRect(window, &client);
    const bool enabled = IsWindowEnabled(window) != FALSE;
    switch (state.setup.kind) {
        case HostObjectKind::Check:
            paintCheckObject(dc, client, captionOf(window), isOn(window, state), enabled);
            break;
        case HostObjectKind::Radio:
            paintRadioObject(dc, client, captionOf(window), isOn(window, state), enabled);
            break;
        case HostObjectKind::Track:
            paintTrackObject(dc, client, positionOf(state), state.setup.range, enabled);
            break;
    }
}

LRESULT handleMessage(HWND window, HostObjectState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            if (dc) paint(window, dc, state);
            EndPaint(window, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            paint(window, reinterpret_cast<HDC>(wParam), state);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // Messages sent straight to a disabled window get no response, as with a real mouse.
            if (!IsWindowEnabled(window)) return 0;
            state.pressed = true;
            SetCapture(window);
            if (state.setup.kind == HostObjectKind::Track) moveThumbTo(window, state, x);
            return 0;
        case WM_MOUSEMOVE:
            if (state.pressed && (wParam & MK_LBUTTON) && state.setup.kind == HostObjectKind::Track)
                moveThumbTo(window, state, x);
            return 0;
        case WM_LBUTTONUP: {
            const bool wasPressed = state.pressed;
            state.pressed = false;
            if (GetCapture() == window) ReleaseCapture();
            if (!wasPressed || !IsWindowEnabled(window)) return 0;
            if (state.setup.kind == HostObjectKind::Track) {
                moveThumbTo(window, state, x);
            } else {
                RECT client{};
                GetClientRect(window, &client);
                if (PtInRect(&client, POINT{x, y})) applyClick(window, state);
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window) state.pressed = false;
            return 0;
        case WM_ENABLE:
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
            InvalidateRect(window, nullptr, TRUE);
            return result;
        }
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK hostObjectProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        const auto* setup = static_cast<const HostObjectSetup*>(create->lpCreateParams);
        auto* state = new (std::nothrow) HostObjectState{*setup};
        if (!state) return FALSE;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        return DefWindowProcW(window, message, wParam, lParam);
    }
    HostObjectState* state = stateOf(window);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete state;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (!state) return DefWindowProcW(window, message, wParam, lParam);
    try {
        return handleMessage(window, *state, message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

const wchar_t* classFor(HostObjectKind kind) noexcept {
    switch (kind) {
        case HostObjectKind::Check:
            return kCheckObjectClass;
        case HostObjectKind::Radio:
            return kRadioObjectClass;
        case HostObjectKind::Track:
            return kTrackObjectClass;
    }
    return kCheckObjectClass;
}

bool isHostObjectClass(HWND window) noexcept {
    wchar_t name[32] = {};
    if (!GetClassNameW(window, name, 32)) return false;
    return lstrcmpiW(name, kCheckObjectClass) == 0 || lstrcmpiW(name, kRadioObjectClass) == 0 ||
           lstrcmpiW(name, kTrackObjectClass) == 0;
}

}  // namespace

std::optional<HostObjectKind> parseHostObjectKind(std::string_view word) noexcept {
    if (equalsFolded(word, "check")) return HostObjectKind::Check;
    if (equalsFolded(word, "radio")) return HostObjectKind::Radio;
    if (equalsFolded(word, "track")) return HostObjectKind::Track;
    return std::nullopt;
}

bool registerHostObjectClasses() noexcept {
    for (const HostObjectKind kind : {HostObjectKind::Check, HostObjectKind::Radio, HostObjectKind::Track}) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        windowClass.lpfnWndProc = hostObjectProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = classFor(kind);
        if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    }
    return true;
}

HWND createHostObject(HWND parent, const HostObjectSetup& setup, int x, int y, int width, int height) {
    const std::wstring caption = setup.kind == HostObjectKind::Track ? std::wstring() : setup.caption;
    return CreateWindowExW(0, classFor(setup.kind), caption.c_str(), WS_CHILD | WS_VISIBLE, x, y, width,
                           height, parent, nullptr, GetModuleHandleW(nullptr),
                           const_cast<HostObjectSetup*>(&setup));
}

const std::string* tiedVariable(HWND window) noexcept {
    if (!IsWindow(window) || !isHostObjectClass(window)) return nullptr;
    const HostObjectState* state = stateOf(window);
    return state ? &state->setup.variable : nullptr;
}

}  // namespace standin
