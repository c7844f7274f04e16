#include "support/screen_pixels.h"

#include <algorithm>
#include <cstdlib>

namespace testing {

namespace {

// A 32-bit top-down DIB section selected into a memory DC, read into a grid afterwards.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    [[nodiscard]] HDC dc() const { return dc_; }
    [[nodiscard]] bool ready() const { return bits_ != nullptr; }

    PixelGrid grid() const {
        GdiFlush();
        PixelGrid grid{width_, height_, {}};
        grid.pixels.reserve(static_cast<size_t>(width_) * static_cast<size_t>(height_));
        for (int i = 0; i < width_ * height_; ++i) {
            const unsigned bgra = bits_[i];
            grid.pixels.push_back(RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
        }
        return grid;
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    unsigned* bits_ = nullptr;
};

SIZE clientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

} // namespace

PixelGrid captureClient(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const SIZE size = clientSize(window);
    if (size.cx <= 0 || size.cy <= 0) return {};
    Canvas canvas(size.cx, size.cy);
    if (!canvas.ready()) return {};
    HDC source = GetDC(window);
    BitBlt(canvas.dc(), 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
    ReleaseDC(window, source);
    return canvas.grid();
}

PixelGrid printClient(HWND window) {
    const SIZE size = clientSize(window);
    if (size.cx <= 0 || size.cy <= 0) return {};
    Canvas canvas(size.cx, size.cy);
    if (!canvas.ready()) return {};
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()),
                 PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    return canvas.grid();
}

int channelDistance(COLORREF a, COLORREF b) noexcept {
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

double shareFarFrom(const PixelGrid& grid, std::initializer_list<COLORREF> allowed, int tolerance) {
    if (grid.pixels.empty()) return 1.0;
    size_t distant = 0;
    for (COLORREF pixel : grid.pixels) {
        const bool close = std::any_of(allowed.begin(), allowed.end(),
                                      [&](COLORREF colour) { return channelDistance(pixel, colour) <= tolerance; });
        if (!close) ++distant;
    }
    return static_cast<double>(distant) / static_cast<double>(grid.pixels.size());
}

int countDifferent(const PixelGrid& a, const PixelGrid& b, int tolerance) {
    if (a.width != b.width || a.height != b.height) return std::max(a.width * a.height, b.width * b.height);
    int different = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i)
        if (channelDistance(a.pixels[i], b.pixels[i]) > tolerance) ++different;
    return different;
}

} // namespace testing
