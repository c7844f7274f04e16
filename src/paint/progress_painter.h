#pragma once
// The painter of progress bars: a framed track in the control colour and the bar (or the
// marquee's moving block) in the accent colour.
#include <windows.h>

#include "paint/surface_colors.h"

namespace hueloom {

// The track inside the 1-pixel frame, where the bar goes.
[[nodiscard]] RECT progressTrack(const RECT& client) noexcept;
// `bar` lies within progressTrack(client); an empty one draws only the track.
void paintProgress(HDC dc, const RECT& client, const RECT& bar, Color barColor, const Surface& surface);

} // namespace hueloom
