#include "engine/push_button.h"

#include "engine/button_redraws.h"
#include "engine/fallback_painting.h"
#include "engine/pointer_tracking.h"
#include "platform/gdi.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr int kCaptionBufferChars = 512;
constexpr int kHotPart = 1;

// From inside the subclass the button is asked directly (askControl).
bool hasImage(HWND button, bool fromSubclass) {
    for (const WPARAM type : {IMAGE_BITMAP, IMAGE_ICON}) {
        const LRESULT image = fromSubclass ? askControl(button, BM_GETIMAGE, type)
                                           : SendMessageW(button, BM_GETIMAGE, type, 0);
        if (image) return true;
    }
    return false;
}

PushButtonLook readLook(HWND button) {
    const LONG style = GetWindowLongW(button, GWL_STYLE);
    const auto uiState = static_cast<UINT>(askControl(button, WM_QUERYUISTATE));
    PushButtonLook look;
    look.state.enabled = IsWindowEnabled(button) != FALSE;
    look.state.pressed = (askControl(button, BM_GETSTATE) & BST_PUSHED) != 0;
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

void paintPushButtonWindow(HWND button, HDC dc) {
    RECT client{};
    GetClientRect(button, &client);
    wchar_t caption[kCaptionBufferChars];
    const auto length = static_cast<int>(
        askControl(button, WM_GETTEXT, kCaptionBufferChars, reinterpret_cast<LPARAM>(caption)));
    const auto font = reinterpret_cast<HFONT>(askControl(button, WM_GETFONT));
    paintPushButton(dc, client, readLook(button), std::wstring_view(caption, length > 0 ? length : 0), font,
                    currentTheme(), dcDpi(dc));
}

} // namespace

bool drawsPushButton(HWND button) {
    return isPlainPushButtonStyle(GetWindowLongW(button, GWL_STYLE)) && !hasImage(button, false);
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

LRESULT CALLBACK pushButtonSubclassProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR subclassId, DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        forgetFallbackPainter(button, pushButtonSubclassProc, static_cast<SubclassId>(subclassId));
        return defaultSubclassProcessing(button, message, wParam, lParam);
    }
    // The style is checked at every message, since it may change; an image, which is asked
    // for by message, only when painting.
    if (!fallbackPaintingInForce() || !isPlainPushButtonStyle(GetWindowLongW(button, GWL_STYLE)) ||
        ((message == WM_PAINT || message == WM_PRINTCLIENT) && hasImage(button, true)))
        return defaultSubclassProcessing(button, message, wParam, lParam);

    if (const auto painted = paintWholeControl(button, message, wParam, paintPushButtonWindow)) return *painted;
    if (buttonDrawsItselfOn(message)) return passOnThenRepaint(button, message, wParam, lParam);
    switch (message) {
    case WM_MOUSEMOVE:
        notePointerOver(button, kHotPart);
        break;
    case WM_MOUSELEAVE:
        notePointerLeft(button);
        break;
    default:
        break;
    }
    return defaultSubclassProcessing(button, message, wParam, lParam);
}

} // namespace hueloom
