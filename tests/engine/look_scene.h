#pragma once
// For tests that look at what the system and the plug-in paint: a host window handed to a
// fresh plug-in with the machine's real system functions, the theme changed through the
// actions as a script changes it, and the standard controls of every kind that the plug-in
// colours or draws, filled with items.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "support/screen_pixels.h"
#include "support/test_seam.h"

namespace testing {

// The themes every look is checked in: the two base modes and a skin's own colours.
enum class Look { Dark, Light, Custom };
inline constexpr Look kAllLooks[] = {Look::Dark, Look::Light, Look::Custom};
[[nodiscard]] const char* lookName(Look look);

class LookScene {
public:
    LookScene();
    ~LookScene();
    LookScene(const LookScene&) = delete;
    LookScene& operator=(const LookScene&) = delete;

    [[nodiscard]] HWND host() const { return host_; }

    // Through the actions: SetMode, or SetColors and SetAccent from the stock look.
    void apply(Look look);
    void reset();
    // Runs the repaints the host's message loop would run now.
    void settle() const;

    HWND header();                       // three items, sorted up and down, 240 x 24
    HWND tabs(DWORD style = 0);          // three tabs, the second selected, 240 x 120
    HWND progress(DWORD style = 0);      // at 60 of 100, 200 x 18
    HWND groupBox();                     // "Choices", 160 x 90
    HWND statusBar();                    // three parts along the host's bottom, with a grip
    HWND toolTip();                      // a tracking tip, shown
    HWND listView();                     // report view, two columns, four rows, the second selected
    HWND treeView();                     // a root with three children, expanded, one selected
    HWND richEdit();                     // "Rich edit text", multi-line
    // Any other control: a visible child of `parent` (the host when null) at `box`.
    HWND child(const wchar_t* className, DWORD style, RECT box, const wchar_t* text = L"", HWND parent = nullptr);

private:
    HWND own(HWND window);

    TestSeam seam_;
    HWND host_ = nullptr;
    std::vector<HWND> popups_;
};

// How a look divides among the current theme's colours, each pixel within `tolerance` of
// a colour counting as that colour. Grounds are the control and page colours and the accent;
// text pixels are the text colour and the smoothed edges of letters (mixes of text and a
// ground); whatever else is off the theme.
struct LookShares {
    double offTheme = 0;  // neither ground nor text
    double text = 0;      // text, not ground
};
[[nodiscard]] LookShares measureLook(const PixelGrid& grid, int tolerance);

} // namespace testing
