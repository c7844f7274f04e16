#include "engine/push_button.h"

#include "engine/drawn_controls.h"
#include "engine/pointer_tracking.h"
#include "platform/gdi.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr int kCaptionBufferChars = 512;
constexpr int kHotPart = 1;

bool hasImage(HWND button) {
    return SendMessageW(button, BM_GETIMAGE, IMAGE_BITMAP, 0) != 0 ||
           SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0) != 0;
}

PushButtonLook readLook(HWND button) {
    const LONG style = GetWindowLongW(button, GWL_STYLE);
    const auto uiState = static_cast<UINT>(SendMessageW(button, WM_QUERYUISTATE, 0, 0));
    PushButtonLook look;
    look.state.enabled = IsWindowEnabled(button) != FALSE;
    look.state.pressed = (SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    look.state.hot = hotPartOf(button) == kHotPart;
    look.isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    look.focused = GetFocus() == button && (uiState & UISF_HIDEFOCUS) == 0;
    look.caption = captionLayoutFor(style, (uiState & UISF_HIDEACCEL) != 0);
    return look;
}

bool isPlainPushButtonStyle(LONG style) noexcept {
    const LONG type = style & BS_TYPEMASK;
    return (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) && (style & (BS_BITMAP | BS_ICON)) == 0;
}

} // namespace

bool drawsPushButton(HWND button) {
    return isPlainPushButtonStyle(GetWindowLongW(button, GWL_STYLE)) && !hasImage(button);
}

CaptionLayout captionLayoutFor(LONG style, bool hideAccelerators) noexcept {
    CaptionLayout layout;
    // BS_CENTER is BS_LEFT | BS_RIGHT, and BS_VCENTER is BS_TOP | BS_BOTTOM.
    const LONG horizontal = style & BS_CENTER;
    layout.horizontal = horizontal == BS_LEFT ? DT_LEFT : horizontal == BS_RIGHT ? DT_RIGHT : DT_CENTER;
    const LONG vertical = style & BS_VCENTER;
    layout.vertical = vertical == BS_TOP      ? VerticalAlign::Top
                      : vertical == BS_BOTTOM ? VerticalAlign::Bottom
                                              : VerticalAlign::Centre;
    layout.multiline = (style & BS_MULTILINE) != 0;
    layout.hidePrefix = hideAccelerators;
    return layout;
}

void paintPushButtonWindow(HWND button, HDC dc) {
    RECT client{};
    GetClientRect(button, &client);
    wchar_t caption[kCaptionBufferChars];
    const int length = GetWindowTextW(button, caption, kCaptionBufferChars);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
    paintPushButton(dc, client, readLook(button), std::wstring_view(caption, length > 0 ? length : 0), font,
                    currentTheme(), dcDpi(dc));
}

LRESULT CALLBACK pushButtonSubclassProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR subclassId, DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        forgetDrawnControl(button, pushButtonSubclassProc, static_cast<SubclassId>(subclassId));
        return defaultSubclassProcessing(button, message, wParam, lParam);
    }
    // The style is checked at every message, since it may change; an image, which is asked
    // for by message, only when painting.
    if (!drawsStandardControls() || !isPlainPushButtonStyle(GetWindowLongW(button, GWL_STYLE)) ||
        ((message == WM_PAINT || message == WM_PRINTCLIENT) && hasImage(button)))
        return defaultSubclassProcessing(button, message, wParam, lParam);

    if (const auto painted = paintWholeControl(button, message, wParam, paintPushButtonWindow)) return *painted;
    switch (message) {
    case WM_MOUSEMOVE:
        notePointerOver(button, kHotPart);
        break;
    case WM_MOUSELEAVE:
        notePointerLeft(button);
        break;
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case BM_SETSTATE:
    case BM_SETSTYLE: {
        // The button draws these changes itself, in the stock look.
        const LRESULT result = defaultSubclassProcessing(button, message, wParam, lParam);
        repaintNow(button);
        return result;
    }
    default:
        break;
    }
    return defaultSubclassProcessing(button, message, wParam, lParam);
}

} // namespace hueloom
