#pragma once
// Taking everything the plug-in did off every window (Reset, host message 2).

namespace hueloom {

// The theme record back to the stock look (accent and switches kept), every window's
// native theme, colours and title bar restored, every subclass, painter and overlay
// removed, the timer stopped and the registries emptied, all inside one freeze.
void restoreStockLook();

void removeColorSubclasses();
void removeGlyphSubclasses();

} // namespace hueloom
