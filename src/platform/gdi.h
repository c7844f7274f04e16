#pragma once
// Small RAII helpers: every pen, brush and font selected into a DC is put back, and every
// object the plug-in creates for a paint is deleted, on every path. The objects are made
// through the system-function table, so tests can make their creation fail.
#include <windows.h>

#include <utility>

namespace hueloom {

// Owns a GDI handle made for one paint and gives it back with `Release`.
template <class Handle, BOOL(WINAPI* Release)(Handle)>
class OwnedGdiHandle {
public:
    OwnedGdiHandle() = default;
    explicit OwnedGdiHandle(Handle handle) noexcept : handle_(handle) {}
    OwnedGdiHandle(const OwnedGdiHandle&) = delete;
    OwnedGdiHandle& operator=(const OwnedGdiHandle&) = delete;
    OwnedGdiHandle(OwnedGdiHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    OwnedGdiHandle& operator=(OwnedGdiHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ~OwnedGdiHandle() { reset(); }

    void reset() noexcept {
        if (handle_) Release(handle_);
        handle_ = nullptr;
    }
    // Hands the handle to an owner that outlives the paint.
    [[nodiscard]] Handle release() noexcept { return std::exchange(handle_, nullptr); }
    [[nodiscard]] Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }

private:
    Handle handle_ = nullptr;
};

// The system's release functions, wrapped: an imported function's address is no constant
// a template can take, and one wrapper per kind keeps the handle type exact.
namespace gdi_release {
template <class Handle>
BOOL WINAPI deleteObject(Handle handle) {
    return DeleteObject(handle);
}
inline BOOL WINAPI deleteDc(HDC dc) { return DeleteDC(dc); }
} // namespace gdi_release

// A pen, brush, font, bitmap or region made for one paint.
template <class Handle>
using GdiObject = OwnedGdiHandle<Handle, gdi_release::deleteObject<Handle>>;

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;

// Empty when the system has no GDI handle to spare: painting with an empty pen or brush
// leaves the DC's own selected, and nothing is leaked.
[[nodiscard]] Pen solidPen(COLORREF color, int width = 1);
[[nodiscard]] Brush solidBrush(COLORREF color);

// A memory DC compatible with another, for painting off screen; empty when none could be
// made.
using MemoryDc = OwnedGdiHandle<HDC, gdi_release::deleteDc>;
[[nodiscard]] MemoryDc compatibleDc(HDC reference);

// Selects an object into a DC for the lifetime of the guard and puts the previous one back.
// It never deletes what it selected: pair it with a GdiObject declared before it, or with
// a borrowed object such as a theme brush or a control's font.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) noexcept : dc_(dc) {
        if (dc_ && object) previous_ = SelectObject(dc_, object);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (dc_ && previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// Scales a 96-DPI design value to the DC's vertical resolution.
inline int dcDpi(HDC dc) {
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}
inline int scaleForDpi(int value, int dpi) { return MulDiv(value, dpi, 96); }

} // namespace hueloom
