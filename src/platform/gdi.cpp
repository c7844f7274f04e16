#include "platform/gdi.h"

#include "platform/system_functions.h"

namespace hueloom {

Pen solidPen(COLORREF color, int width) {
    return Pen(systemFunctions().resources.createPen(PS_SOLID, width, color));
}

Brush solidBrush(COLORREF color) { return Brush(systemFunctions().resources.createSolidBrush(color)); }

MemoryDc compatibleDc(HDC reference) {
    return MemoryDc(systemFunctions().resources.createCompatibleDC(reference));
}

} // namespace hueloom
