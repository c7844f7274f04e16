#pragma once
// Where overlays go and where a value sits on a scale, as plain arithmetic. No window calls.
#include <windows.h>

#include "overlay/overlay_binding.h"

namespace hueloom {

// Where the overlay of an object goes, in the parent's client coordinates: the object's
// whole rectangle for a track bar, otherwise a square over the glyph at its left edge.
[[nodiscard]] RECT overlayPlacement(OverlayKind kind, const RECT& objectRect, int dpi) noexcept;

// Position of `value` on the scale minimum..maximum, always in 0..1. NaN reads as the start
// of the scale; infinities go to the end they point at. It never performs an operation that
// raises a floating-point exception, so a host that unmasks them cannot be brought down.
[[nodiscard]] double fractionInRange(double value, double minimum, double maximum) noexcept;

} // namespace hueloom
