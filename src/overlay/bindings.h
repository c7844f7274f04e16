#pragma once
#include <windows.h>

#include <string>

#include "overlay/overlay_binding.h"

namespace hueloom {

struct BindTexts {
    std::wstring handle, variable, value, caption, color, minimum, maximum;
};

int32_t bindOverlay(OverlayKind kind, const BindTexts& texts);
int32_t unbindOverlay(const std::wstring& handleText);
void destroyOverlay(HWND objectWindow);
bool registerOverlayClass();
void positionOverlay(OverlayBinding& binding);
void syncOverlay(OverlayBinding& binding);
void syncAllOverlays();
void raiseOverlayIfCovered(OverlayBinding& binding);
[[nodiscard]] bool hasVisibleStyle(HWND window);
[[nodiscard]] bool isBindingOn(OverlayBinding& binding);
[[nodiscard]] double trackFraction(OverlayBinding& binding);

} // namespace hueloom
