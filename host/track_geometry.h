#pragma once
// Where a host track bar's thumb sits and which position a mouse x picks. Pure.
#include <optional>
#include <string_view>

namespace standin {

inline constexpr int kTrackMargin = 8;  // channel inset from each end: half the thumb plus air
inline constexpr int kTrackThumbWidth = 10;

struct TrackRange {
    int minimum = 0;
    int maximum = 100;
};

// "min,max" with min < max.
[[nodiscard]] std::optional<TrackRange> parseTrackRange(std::string_view text) noexcept;

// The position nearest to client x, clamped to the range.
[[nodiscard]] int trackPositionAt(int x, int width, TrackRange range) noexcept;

// Client x of the thumb's centre for a position (clamped to the range).
[[nodiscard]] int trackThumbCentre(int position, int width, TrackRange range) noexcept;

// A variable's text as a position: an integer clamped to the range, the minimum otherwise.
[[nodiscard]] int trackPositionFromText(std::string_view text, TrackRange range) noexcept;

}  // namespace standin
