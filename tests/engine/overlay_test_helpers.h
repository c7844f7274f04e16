#pragma once
// Shared by the glyph-button and overlay tests: stand-ins for the host's own objects, a
// themed plug-in over a host window, and small probes of what the plug-in did to a window.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "fixtures.h"
#include "overlay/overlay_binding.h"
#include "support/test_seam.h"
#include "theme/mode.h"

namespace testing {

inline constexpr wchar_t kHostCheckBoxClass[] = L"neobookcheckbox";
inline constexpr wchar_t kHostRadioClass[] = L"neobookradiobtn";
inline constexpr wchar_t kHostTrackBarClass[] = L"neobooktrackbar";

// A stand-in host object: paints the stock light look and counts the messages it receives.
HWND createHostObject(HWND parent, const wchar_t* className, int x, int y, int width, int height,
                      const wchar_t* caption = L"");
// How many times the object's own window procedure saw `message`.
[[nodiscard]] int messagesSeen(HWND object, UINT message);

// A visible host window, a fresh plug-in with the real comctl32 subclass functions and the
// theme of `mode` in force. Tears everything down again, subclassed windows included.
class ThemedHost {
public:
    explicit ThemedHost(hueloom::Mode mode = hueloom::Mode::Dark);
    ~ThemedHost();
    ThemedHost(const ThemedHost&) = delete;
    ThemedHost& operator=(const ThemedHost&) = delete;
    [[nodiscard]] HWND window() const { return window_; }
    // Switches the theme without going through the actions.
    void setMode(hueloom::Mode mode);

private:
    TestSeam seam_;
    HWND window_ = nullptr;
};

// Counts SetWindowSubclass calls made by the plug-in and can make them fail.
struct SubclassCallCounter {
    static int calls;
    static bool fail;
    static void install();
};

[[nodiscard]] std::string handleText(HWND window);
int bindCheck(HWND object, const std::string& variable = "", const std::string& value = "",
              const std::string& color = "");
int bindRadio(HWND object, const std::string& variable, const std::string& value,
              const std::string& caption, const std::string& color = "");
int bindTrack(HWND object, const std::string& variable, const std::string& value,
              const std::string& minimum = "", const std::string& maximum = "",
              const std::string& color = "");
int unbind(const std::string& handle);

[[nodiscard]] hueloom::OverlayBinding* bindingOf(HWND object);
[[nodiscard]] bool hasOverlaySubclass(HWND object);
[[nodiscard]] bool hasGlyphSubclass(HWND button);
[[nodiscard]] int countOverlayWindows(HWND parent);
// The overlay's rectangle in its parent's client coordinates.
[[nodiscard]] RECT rectInParent(HWND window);
// True when the window has an update region waiting for WM_PAINT.
[[nodiscard]] bool hasPendingPaint(HWND window);
// The window that the thread's mouse-leave request is tracking, or null.
[[nodiscard]] HWND trackedLeaveWindow();
void cancelLeaveTracking(HWND window);
// Puts the real cursor over the middle of a window (Wine only tracks a window under it).
void moveCursorOver(HWND window);
void parkCursor();

// Paints a window through WM_PRINTCLIENT into a canvas of its client size.
void printClient(HWND window, DibCanvas& canvas);

// Sets the floating-point exception mask of a Delphi host (invalid operation, division by
// zero and overflow raise) for the lifetime of the guard.
class HostFloatingPointMask {
public:
    HostFloatingPointMask();
    ~HostFloatingPointMask();

private:
    unsigned int previous_ = 0;
};

// Pen, brush and font selected in a DC, to check that a paint leaves them as it found them.
struct DcSelection {
    HGDIOBJ pen, brush, font;
    explicit DcSelection(HDC dc);
    bool operator==(const DcSelection& other) const {
        return pen == other.pen && brush == other.brush && font == other.font;
    }
};

} // namespace testing
