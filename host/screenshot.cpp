#include "screenshot.h"

#include <cstdio>
#include <vector>

#include "gdi_guard.h"
#include "message_pump.h"

namespace standin {

namespace {

constexpr DWORD kSettleMilliseconds = 60;

class ScreenDc {
public:
    ScreenDc() noexcept : dc_(GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() {
        if (dc_) ReleaseDC(nullptr, dc_);
    }
    [[nodiscard]] HDC get() const noexcept { return dc_; }

private:
    HDC dc_;
};

class MemoryDc {
public:
    explicit MemoryDc(HDC like) noexcept : dc_(CreateCompatibleDC(like)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    [[nodiscard]] HDC get() const noexcept { return dc_; }

private:
    HDC dc_;
};

struct ClientPixels {
    int width = 0;
    int height = 0;
    size_t stride = 0;
    std::vector<unsigned char> rows;
};

bool writeBmp(const std::wstring& path, int width, int height, const std::vector<unsigned char>& rows) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;  // bottom-up, as GetDIBits gave the rows
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(rows.size());
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) return false;
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&info, sizeof info, 1, out) == 1 &&
                         std::fwrite(rows.data(), 1, rows.size(), out) == rows.size();
    return std::fclose(out) == 0 && written;
}

// Lets pending paints happen and the display catch up before the screen is read.
void settle(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    pumpMessages(kSettleMilliseconds);
    GdiFlush();
}

// What is on screen over the client area, as bottom-up 24-bit rows. Empty text on
// success, else what went wrong.
std::string captureClient(HWND window, ClientPixels& pixels) {
    settle(GetAncestor(window, GA_ROOT));
    // The client area: without a window manager nobody draws the frame under Xvfb.
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const RECT area{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return "the window has no area";

    ScreenDc screen;
    MemoryDc memory(screen.get());
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    if (!screen.get() || !memory.get() || !bitmap.get()) return "no device context or bitmap for the capture";
    {
        Selected selected(memory.get(), bitmap.get());
        if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top,
                    SRCCOPY | CAPTUREBLT))
            return "BitBlt from the screen failed (error " + std::to_string(GetLastError()) + ")";
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    pixels.width = width;
    pixels.height = height;
    pixels.stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    pixels.rows.assign(pixels.stride * static_cast<size_t>(height), 0);
    if (GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), pixels.rows.data(), &info,
                  DIB_RGB_COLORS) != height)
        return "GetDIBits failed";
    return {};
}

}  // namespace

COLORREF screenPixel(HWND window, POINT client) {
    settle(GetAncestor(window, GA_ROOT));
    ClientToScreen(window, &client);
    ScreenDc screen;
    return screen.get() ? GetPixel(screen.get(), client.x, client.y) : CLR_INVALID;
}

std::string saveWindowScreenshot(HWND window, const std::wstring& path) {
    ClientPixels pixels;
    if (std::string problem = captureClient(window, pixels); !problem.empty()) return problem;
    if (!writeBmp(path, pixels.width, pixels.height, pixels.rows)) return "cannot write the file";
    return {};
}

int countScreenColour(HWND window, COLORREF colour) {
    ClientPixels pixels;
    if (!captureClient(window, pixels).empty()) return -1;
    int count = 0;
    for (int y = 0; y < pixels.height; ++y) {
        const unsigned char* row = pixels.rows.data() + pixels.stride * static_cast<size_t>(y);
        for (int x = 0; x < pixels.width; ++x) {
            const unsigned char* bgr = row + 3 * static_cast<size_t>(x);
            if (RGB(bgr[2], bgr[1], bgr[0]) == colour) ++count;
        }
    }
    return count;
}

}  // namespace standin
