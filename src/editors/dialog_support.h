#pragma once
// Set-up the editor dialogs need, done lazily on the calling thread (never under the
// loader lock), and the owner rule for the system's own dialogs.
#include <windows.h>

namespace hueloom {

// Joins a single-threaded COM apartment for the lifetime of the object, as the system
// file dialog needs one. Every successful CoInitializeEx (S_OK, and S_FALSE when the thread
// was already in an apartment) is balanced; a thread in a multi-threaded apartment is left
// as it is.
class ComApartment {
public:
    ComApartment() noexcept;
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    [[nodiscard]] HRESULT result() const noexcept { return result_; }

private:
    HRESULT result_;
};

// Registers the common control classes the dialogs use. comctl32 is found at run time so
// the plug-in does not depend on it at load.
void ensureCommonControls() noexcept;

// The foreground window when it belongs to this process, else none: the system colour
// dialog and message box sit above the authoring tool without borrowing another program's
// window.
[[nodiscard]] HWND systemDialogOwner() noexcept;

} // namespace hueloom
