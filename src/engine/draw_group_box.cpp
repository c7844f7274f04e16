// Group boxes: the page behind, then the frame and the caption.
#include "engine/drawn_controls.h"
#include "paint/group_box_painter.h"
#include "paint/solid_drawing.h"
#include "platform/gdi.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr int kCaptionCapacity = 512;

} // namespace

void paintParentBehind(HWND window, HDC dc) {
    const HWND parent = GetParent(window);
    if (!parent) return;
    POINT origin{0, 0};
    MapWindowPoints(window, parent, &origin, 1);
    POINT previous{};
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void drawGroupBox(HWND box, HDC dc) {
    const Surface surface = pageSurface(currentTheme());
    RECT client{};
    GetClientRect(box, &client);
    // A parent that paints nothing of its own this way leaves the theme's page colour.
    fillSolid(dc, client, surface.back);
    paintParentBehind(box, dc);
    // The caption as the window keeps it, without a message through the subclasses.
    wchar_t caption[kCaptionCapacity];
    const int length = InternalGetWindowText(box, caption, kCaptionCapacity);
    paintGroupBox(dc, client, std::wstring_view(caption, length > 0 ? static_cast<size_t>(length) : 0),
                  IsWindowEnabled(box) != FALSE, surface, dcDpi(dc));
}

} // namespace hueloom
