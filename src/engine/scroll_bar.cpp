#include "engine/scroll_bar.h"

#include "engine/fallback_painting.h"
#include "engine/pointer_tracking.h"
#include "paint/scroll_bar_painter.h"
#include "platform/gdi.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr LONG kSizeBoxStyles = SBS_SIZEBOX | SBS_SIZEGRIP;

// The bar's geometry and state as the window holds it now.
struct BarFacts {
    bool vertical = false;
    RECT client{};
    ScrollRange range;
    ScrollLayout layout;
    bool backArrowEnabled = true;
    bool forwardArrowEnabled = true;
};

BarFacts readBar(HWND bar) {
    BarFacts facts;
    facts.vertical = (GetWindowLongW(bar, GWL_STYLE) & SBS_VERT) != 0;
    GetClientRect(bar, &facts.client);
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    askControl(bar, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info));
    facts.range = {info.nMin, info.nMax, static_cast<int32_t>(info.nPage), info.nPos};
    const DrawnControlPointer& pointer = drawnControlPointer();
    if (pointer.pressedWindow == bar && pointer.pressedPart == static_cast<int>(ScrollPart::Thumb))
        facts.range.position = pointer.trackPosition;
    const int width = facts.client.right - facts.client.left;
    const int height = facts.client.bottom - facts.client.top;
    const int length = facts.vertical ? height : width;
    const int thickness = facts.vertical ? width : height;
    facts.layout = scrollLayout(length, thickness, facts.range, thickness / 2);

    SCROLLBARINFO barInfo{};
    barInfo.cbSize = sizeof barInfo;
    if (askControl(bar, SBM_GETSCROLLBARINFO, 0, reinterpret_cast<LPARAM>(&barInfo))) {
        // Entries 1 and 5 are the arrow towards the minimum and the one towards the maximum.
        facts.backArrowEnabled = (barInfo.rgstate[1] & STATE_SYSTEM_UNAVAILABLE) == 0;
        facts.forwardArrowEnabled = (barInfo.rgstate[5] & STATE_SYSTEM_UNAVAILABLE) == 0;
    }
    return facts;
}

int alongBar(const BarFacts& facts, LPARAM lParam) {
    return facts.vertical ? static_cast<short>(HIWORD(lParam)) : static_cast<short>(LOWORD(lParam));
}

bool onBar(const BarFacts& facts, LPARAM lParam) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&facts.client, point) != FALSE;
}

ScrollPart partAt(const BarFacts& facts, LPARAM lParam) {
    return onBar(facts, lParam) ? scrollPartAt(facts.layout, alongBar(facts, lParam)) : ScrollPart::None;
}

bool partEnabled(const BarFacts& facts, ScrollPart part) {
    if (part == ScrollPart::LineBack) return facts.backArrowEnabled;
    if (part == ScrollPart::LineForward) return facts.forwardArrowEnabled;
    return true;
}

void sendScroll(HWND bar, bool vertical, int code, int32_t position = 0) {
    const WPARAM wParam = MAKEWPARAM(code, static_cast<WORD>(position));
    SendMessageW(GetParent(bar), vertical ? WM_VSCROLL : WM_HSCROLL, wParam, reinterpret_cast<LPARAM>(bar));
}

ScrollPart heldPart(HWND bar) {
    const DrawnControlPointer& pointer = drawnControlPointer();
    return pointer.pressedWindow == bar ? static_cast<ScrollPart>(pointer.pressedPart) : ScrollPart::None;
}

void pressPart(HWND bar, LPARAM lParam) {
    const BarFacts facts = readBar(bar);
    const ScrollPart part = partAt(facts, lParam);
    if (part == ScrollPart::None || !partEnabled(facts, part)) return;
    if (GetWindowLongW(bar, GWL_STYLE) & WS_TABSTOP) SetFocus(bar);
    SetCapture(bar);
    notePressed(bar, static_cast<int>(part));
    DrawnControlPointer& pointer = drawnControlPointer();
    if (part == ScrollPart::Thumb) {
        pointer.grabOffset = alongBar(facts, lParam) - facts.layout.thumbStart;
        pointer.trackPosition = facts.range.position;
        return;
    }
    sendScroll(bar, facts.vertical, scrollCodeFor(part));
    SetTimer(bar, kScrollRepeatTimerId, kScrollFirstRepeatMs, nullptr);
}

void followPointer(HWND bar, LPARAM lParam) {
    const ScrollPart held = heldPart(bar);
    if (held == ScrollPart::None) {
        const BarFacts facts = readBar(bar);
        notePointerOver(bar, static_cast<int>(partAt(facts, lParam)));
        return;
    }
    DrawnControlPointer& pointer = drawnControlPointer();
    if (held == ScrollPart::Thumb) {
        const BarFacts facts = readBar(bar);
        const int32_t position =
            scrollPositionForThumb(facts.layout, facts.range, alongBar(facts, lParam) - pointer.grabOffset);
        if (position == pointer.trackPosition) return;
        pointer.trackPosition = position;
        sendScroll(bar, facts.vertical, SB_THUMBTRACK, position);
        InvalidateRect(bar, nullptr, FALSE);
        return;
    }
    // A held arrow or page looks pressed, and repeats, only while the pointer is on it.
    const bool under = partAt(readBar(bar), lParam) == held;
    if (under != pointer.pressedPartUnderPointer) {
        pointer.pressedPartUnderPointer = under;
        InvalidateRect(bar, nullptr, FALSE);
    }
}

// Ends a hold: the thumb's final position, then SB_ENDSCROLL, as the system's bar does.
void release(HWND bar, bool finished) {
    const ScrollPart held = heldPart(bar);
    if (held == ScrollPart::None) return;
    const bool vertical = (GetWindowLongW(bar, GWL_STYLE) & SBS_VERT) != 0;
    const int32_t position = drawnControlPointer().trackPosition;
    KillTimer(bar, kScrollRepeatTimerId);
    noteReleased(bar);
    if (finished && held == ScrollPart::Thumb) sendScroll(bar, vertical, SB_THUMBPOSITION, position);
    sendScroll(bar, vertical, SB_ENDSCROLL);
    if (GetCapture() == bar) ReleaseCapture();
}

void repeat(HWND bar) {
    const ScrollPart held = heldPart(bar);
    if (held == ScrollPart::None || held == ScrollPart::Thumb) {
        KillTimer(bar, kScrollRepeatTimerId);
        return;
    }
    SetTimer(bar, kScrollRepeatTimerId, kScrollRepeatMs, nullptr);
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(bar, &cursor);
    const BarFacts facts = readBar(bar);
    // A page repeats until the thumb reaches the pointer; an arrow while it is held on it.
    if (partAt(facts, MAKELPARAM(cursor.x, cursor.y)) == held)
        sendScroll(bar, facts.vertical, scrollCodeFor(held));
}

// The messages that change the bar and redraw it straight away: changed without the
// redraw, then painted over.
LRESULT changeQuietly(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    bool redraw = false;
    switch (message) {
    case SBM_SETSCROLLINFO:
        redraw = wParam != 0;
        wParam = FALSE;
        break;
    case SBM_SETPOS:
        redraw = lParam != 0;
        lParam = FALSE;
        break;
    case SBM_SETRANGEREDRAW:
        redraw = true;
        message = SBM_SETRANGE;
        break;
    default:
        redraw = true;
        break;
    }
    const LRESULT result = defaultSubclassProcessing(bar, message, wParam, lParam);
    if (redraw) InvalidateRect(bar, nullptr, FALSE);
    return result;
}

void paintScrollBarWindow(HWND bar, HDC dc) {
    const BarFacts facts = readBar(bar);
    ScrollBarLook look;
    look.vertical = facts.vertical;
    look.enabled = IsWindowEnabled(bar) != FALSE;
    look.backArrowEnabled = facts.backArrowEnabled;
    look.forwardArrowEnabled = facts.forwardArrowEnabled;
    look.focused = GetFocus() == bar;
    const int hot = hotPartOf(bar);
    look.hot = hot > 0 ? static_cast<ScrollPart>(hot) : ScrollPart::None;
    const int pressed = pressedPartOf(bar);
    look.pressed = pressed > 0 ? static_cast<ScrollPart>(pressed) : ScrollPart::None;
    paintScrollBar(dc, facts.client, facts.layout, look, currentTheme(), dcDpi(dc));
}

} // namespace

int scrollCodeFor(ScrollPart part) noexcept {
    switch (part) {
    case ScrollPart::LineBack: return SB_LINEUP;
    case ScrollPart::PageBack: return SB_PAGEUP;
    case ScrollPart::PageForward: return SB_PAGEDOWN;
    case ScrollPart::LineForward: return SB_LINEDOWN;
    default: return -1;
    }
}

void endScrollBarHold(HWND scrollBar) { release(scrollBar, false); }

bool drawsScrollBar(HWND scrollBar) { return (GetWindowLongW(scrollBar, GWL_STYLE) & kSizeBoxStyles) == 0; }

LRESULT CALLBACK scrollBarSubclassProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR subclassId, DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        KillTimer(bar, kScrollRepeatTimerId);
        forgetFallbackPainter(bar, scrollBarSubclassProc, static_cast<SubclassId>(subclassId));
        return defaultSubclassProcessing(bar, message, wParam, lParam);
    }
    if (!fallbackPaintingInForce() || !drawsScrollBar(bar)) {
        release(bar, false);  // a hold that began while drawn ends cleanly
        return defaultSubclassProcessing(bar, message, wParam, lParam);
    }
    if (const auto painted = paintWholeControl(bar, message, wParam, paintScrollBarWindow)) return *painted;

    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressPart(bar, lParam);
        return 0;
    case WM_MOUSEMOVE:
        followPointer(bar, lParam);
        return 0;
    case WM_LBUTTONUP:
        release(bar, true);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != bar) release(bar, false);
        return 0;
    case WM_MOUSELEAVE:
        notePointerLeft(bar);
        return 0;
    case WM_TIMER:
        if (wParam != kScrollRepeatTimerId) break;
        repeat(bar);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The system's bar shows focus with a blinking caret over the thumb; the drawn
        // thumb shows it with an outline instead.
        InvalidateRect(bar, nullptr, FALSE);
        return 0;
    case SBM_GETSCROLLINFO: {
        const LRESULT result = defaultSubclassProcessing(bar, message, wParam, lParam);
        auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
        if (info && (info->fMask & SIF_TRACKPOS) && heldPart(bar) == ScrollPart::Thumb)
            info->nTrackPos = drawnControlPointer().trackPosition;
        return result;
    }
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGEREDRAW:
    case SBM_ENABLE_ARROWS:
    case WM_ENABLE:
        return changeQuietly(bar, message, wParam, lParam);
    default:
        break;
    }
    return defaultSubclassProcessing(bar, message, wParam, lParam);
}

} // namespace hueloom
