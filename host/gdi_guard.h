#pragma once
// Every GDI object the host creates for a paint is deleted, and every object selected into
// a DC is put back, on every path.
#include <windows.h>

#include <utility>

namespace standin {

template <class Handle>
class OwnedGdi {
public:
    explicit OwnedGdi(Handle handle) noexcept : handle_(handle) {}
    OwnedGdi(const OwnedGdi&) = delete;
    OwnedGdi& operator=(const OwnedGdi&) = delete;
    ~OwnedGdi() {
        if (handle_) DeleteObject(handle_);
    }
    [[nodiscard]] Handle get() const noexcept { return handle_; }

private:
    Handle handle_;
};

using OwnedPen = OwnedGdi<HPEN>;
using OwnedBrush = OwnedGdi<HBRUSH>;
using OwnedBitmap = OwnedGdi<HBITMAP>;

// Selects an object for the guard's lifetime; never deletes what it selected.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    ~Selected() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace standin
