#include "engine/classify.h"
namespace hueloom {
std::wstring windowClassName(HWND) { return {}; }
ControlKind classifyWindow(HWND) { return ControlKind::None; }
bool isWindowAbove(HWND, HWND) { return false; }
}
