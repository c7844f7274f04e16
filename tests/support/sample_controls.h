#pragma once
// Standard controls of every kind the plug-in colours or draws, filled with a few items,
// as a publication's page holds them: shared by the look tests and the paint benchmark.
// Each is a visible child of `parent` at `box` (left, top, width, height).
#include <windows.h>
#include <commctrl.h>

namespace testing {

struct Box {
    int x, y, width, height;
};

// Three items 80 wide: "Name" sorted up, "Size" right-aligned, "Changed" sorted down.
HWND sampleHeader(HWND parent, Box box);
// "General", "Colors", "About"; the second selected.
HWND sampleTabs(HWND parent, Box box, DWORD style = 0);
// At 60 of 0..100. A marquee stands still until PBM_SETMARQUEE starts it.
HWND sampleProgress(HWND parent, Box box, DWORD style = 0);
// Along the bottom of `parent`: three parts ("Ready", "Page 1<tab>of 1", "Hueloom") and a grip.
HWND sampleStatusBar(HWND parent);
// A tracking tooltip owned by `owner`, shown at `point` with the tip "Sends the form".
HWND sampleToolTip(HWND owner, POINT point);
// Report view: "Name" and "Value" columns, four rows, the second selected.
HWND sampleListView(HWND parent, Box box);
// "Publication" with three children, expanded and selected; the last child has a hidden one.
HWND sampleTreeView(HWND parent, Box box);

} // namespace testing
