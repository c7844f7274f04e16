#pragma once
// The undocumented dark-mode exports of uxtheme, taken by ordinal only.

namespace hueloom {

// Resolves ordinals 133, 135, 136 and 104 of the loaded uxtheme through the table's own
// GetProcAddress entry, and only on builds that ship them. They ship together on Windows;
// where 133, 135 or 136 is missing (Wine exports an unrelated function under 104) all four
// are left null, so nothing ever calls a stranger's export.
void resolveDarkModeOrdinals();

} // namespace hueloom
