#pragma once
#include <windows.h>

#include <cstdint>

namespace hueloom {

// A subclass is identified by procedure and id together, so the glyph subclass and the
// overlay object subclass may share an id.
enum SubclassId : UINT_PTR {
    kColorSubclassId = 18517,
    kGlyphSubclassId = 18503,
    kOverlayObjectSubclassId = 18503,
};

inline constexpr UINT_PTR kAutoRefreshTimerId = 7731;
// One-shot: the pass that follows a page change once the host has shown the new page.
inline constexpr UINT_PTR kDeferredPassTimerId = 7732;
inline constexpr UINT kAutoRefreshPeriodMs = 250;
inline constexpr uint32_t kFreezeTimeoutMs = 2500;

} // namespace hueloom
