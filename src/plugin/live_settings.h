#pragma once
// The variables that follow Windows' colour settings between actions.

namespace hueloom {

// Installed as the engine's settings listener: [Skin.SystemDark] and [Skin.HighContrast],
// and the eight theme variables when Auto has switched the look, so that a script's own
// colours can follow.
void publishSettingsChange(bool themeChanged);

} // namespace hueloom
