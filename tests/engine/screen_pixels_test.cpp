// The pixel probes that the look tests rely on: what the screen shows of a window and what
// it paints into a memory DC, compared with colours and with each other.
#include <doctest.h>

#include "fixtures.h"
#include "platform/gdi.h"
#include "support/screen_pixels.h"

namespace {

LRESULT CALLBACK paintHalves(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT || message == WM_PRINTCLIENT) {
        PAINTSTRUCT ps{};
        HDC dc = message == WM_PAINT ? BeginPaint(window, &ps) : reinterpret_cast<HDC>(wParam);
        RECT client{};
        GetClientRect(window, &client);
        RECT left = client, right = client;
        left.right = right.left = client.right / 2;
        const hueloom::Brush red = hueloom::solidBrush(RGB(200, 0, 0));
        const hueloom::Brush blue = hueloom::solidBrush(RGB(0, 0, 200));
        FillRect(dc, &left, red.get());
        FillRect(dc, &right, blue.get());
        if (message == WM_PAINT) EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND halvesWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = paintHalves;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HueloomPixelProbe";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 60, 60, 100, 40, nullptr, nullptr,
                           wc.hInstance, nullptr);
}

} // namespace

TEST_CASE("pixel probes read what the window paints, on screen and into a memory DC") {
    HWND window = halvesWindow();
    REQUIRE(window);
    testing::pumpMessages(100);
    for (const testing::PixelGrid& grid : {testing::captureClient(window), testing::printClient(window)}) {
        REQUIRE(grid.width == 100);
        REQUIRE(grid.height == 40);
        CHECK(grid.at(10, 20) == RGB(200, 0, 0));
        CHECK(grid.at(90, 20) == RGB(0, 0, 200));
        CHECK(testing::shareFarFrom(grid, {RGB(200, 0, 0), RGB(0, 0, 200)}, 0) == 0.0);
        CHECK(testing::shareFarFrom(grid, {RGB(205, 5, 0)}, 5) == doctest::Approx(0.5));
        CHECK(testing::shareFarFrom(grid, {RGB(205, 5, 0)}, 4) == 1.0);
    }
    const testing::PixelGrid first = testing::captureClient(window);
    CHECK(testing::countDifferent(first, testing::printClient(window), 0) == 0);
    CHECK(testing::channelDistance(RGB(10, 20, 30), RGB(13, 12, 30)) == 8);
    DestroyWindow(window);
}
