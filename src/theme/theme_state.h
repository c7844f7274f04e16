#pragma once
// The one record of the current theme. Every action that changes the look writes it;
// everything that paints or themes reads it at that moment.
#include <windows.h>

#include <cstdint>
#include <string>

#include "theme/color.h"

namespace hueloom {

enum class ThemeMode : int32_t { System = 0, Dark = 1, Light = 2 };

struct ThemeState {
    ThemeMode mode = ThemeMode::System;
    bool active = false;               // the plug-in's own control colours are in force
    Color controlBack = 0xFFFFFF;
    Color controlText = 0x000000;
    Color pageBack = 0xF0F0F0;
    int32_t titleBar = -1;             // -1: system default caption colour
    int32_t titleText = -1;
    Color accent = 0xF9643D;           // RGB 61,100,249
    bool glyphs = true;
    bool articleText = true;
    HBRUSH controlBrush = nullptr;     // owned; painters only borrow it
    HBRUSH pageBrush = nullptr;
    std::wstring skinName;
    std::wstring skinFile;
};

// Writes the palette of the current mode (Dark or Light), sets `active` and rebuilds the
// brushes. Callers set `mode` just before.
void applyModePalette();
void rebuildBrushes();
// Deletes both brushes (process detach).
void deleteThemeBrushes();

// The texts "Dark", "Light" or "System".
const wchar_t* modeName(ThemeMode mode);

} // namespace hueloom
