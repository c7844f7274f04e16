#pragma once
// What a window shows, read back as pixels, for the tests that check a look rather than a
// call: the share of a control's pixels that are far from the theme's colours, and how many
// pixels two looks of one control differ in.
#include <windows.h>

#include <initializer_list>
#include <vector>

namespace testing {

struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;  // row by row, COLORREF form (0x00BBGGRR)

    [[nodiscard]] COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    [[nodiscard]] bool empty() const { return pixels.empty(); }
};

// The window's client area as the screen shows it, after the window has painted.
[[nodiscard]] PixelGrid captureClient(HWND window);

// The window's client area as the window paints it into a memory DC (WM_PRINTCLIENT), for
// windows that are covered or not on the screen.
[[nodiscard]] PixelGrid printClient(HWND window);

// Largest difference of the three channels.
[[nodiscard]] int channelDistance(COLORREF a, COLORREF b) noexcept;

// Share (0..1) of the pixels farther than `tolerance` in every channel distance from each
// of the `allowed` colours. Text and accent colours go in `allowed` where they may show.
[[nodiscard]] double shareFarFrom(const PixelGrid& grid, std::initializer_list<COLORREF> allowed, int tolerance);

// Number of pixels that differ by more than `tolerance`; grids of other sizes differ in all.
[[nodiscard]] int countDifferent(const PixelGrid& a, const PixelGrid& b, int tolerance);

} // namespace testing
