#pragma once
// Small RAII helpers: every pen, brush and font selected into a DC is put back, and every
// object the plug-in creates for a paint is deleted, on every path.
#include <windows.h>

#include <utility>

namespace hueloom {

// Owns a GDI object created for one paint.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) noexcept : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ~GdiObject() { reset(); }

    void reset() noexcept {
        if (handle_) DeleteObject(handle_);
        handle_ = nullptr;
    }
    [[nodiscard]] Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }

private:
    Handle handle_ = nullptr;
};

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;

inline Pen solidPen(COLORREF color, int width = 1) { return Pen(CreatePen(PS_SOLID, width, color)); }
inline Brush solidBrush(COLORREF color) { return Brush(CreateSolidBrush(color)); }

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
