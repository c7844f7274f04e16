#pragma once
// The stock light look of the host objects.
#include <windows.h>

#include <string_view>

#include "track_geometry.h"

namespace standin {

void paintCheckObject(HDC dc, const RECT& client, std::wstring_view caption, bool checked, bool enabled);
void paintRadioObject(HDC dc, const RECT& client, std::wstring_view caption, bool checked, bool enabled);
void paintTrackObject(HDC dc, const RECT& client, int position, TrackRange range, bool enabled);

}  // namespace standin
