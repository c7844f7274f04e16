#include "track_geometry.h"

#include <algorithm>
#include <cstdint>

#include "text_util.h"

namespace standin {

namespace {

int clampToRange(int64_t position, TrackRange range) noexcept {
    return static_cast<int>(std::clamp<int64_t>(position, range.minimum, range.maximum));
}

int channelLength(int width) noexcept {
    return std::max(1, width - 2 * kTrackMargin);
}

}  // namespace

std::optional<TrackRange> parseTrackRange(std::string_view text) noexcept {
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto low = parseInteger(text.substr(0, comma));
    const auto high = parseInteger(text.substr(comma + 1));
    if (!low || !high || *low >= *high || *low < INT32_MIN / 2 || *high > INT32_MAX / 2) return std::nullopt;
    return TrackRange{static_cast<int>(*low), static_cast<int>(*high)};
}

int trackPositionAt(int x, int width, TrackRange range) noexcept {
    const int64_t span = int64_t{range.maximum} - range.minimum;
    const int64_t offset = std::clamp<int64_t>(x - kTrackMargin, 0, channelLength(width));
    const int64_t length = channelLength(width);
    // Rounded to the nearest step.
    return clampToRange(range.minimum + (offset * span * 2 + length) / (length * 2), range);
}

int trackThumbCentre(int position, int width, TrackRange range) noexcept {
    const int64_t span = int64_t{range.maximum} - range.minimum;
    const int64_t along = clampToRange(position, range) - int64_t{range.minimum};
    return kTrackMargin + static_cast<int>(along * channelLength(width) / span);
}

int trackPositionFromText(std::string_view text, TrackRange range) noexcept {
    const auto value = parseInteger(text);
    return value ? clampToRange(*value, range) : range.minimum;
}

}  // namespace standin
