#include "theme/color.h"
namespace hueloom {
ParsedColor parseColor(std::wstring_view) noexcept { return {}; }
std::wstring formatColor(Color c) { return std::to_wstring(c & 0xFF) + L"," + std::to_wstring((c >> 8) & 0xFF) + L"," + std::to_wstring((c >> 16) & 0xFF); }
Color makeColor(int32_t r, int32_t g, int32_t b) noexcept { auto cl=[](int32_t v){return v<0?0u:v>255?255u:static_cast<uint32_t>(v);}; return cl(r)|cl(g)<<8|cl(b)<<16; }
Color blendColors(Color a, Color, int32_t) noexcept { return a; }
int32_t colorBrightness(Color c) noexcept { return redOf(c)*299+greenOf(c)*587+blueOf(c)*114; }
bool isDarkColor(Color c) noexcept { return colorBrightness(c) < 128000; }
Color contrastShade(Color c) noexcept { return c; }
int64_t readInteger(std::wstring_view) noexcept { return 0; }
double readReal(std::wstring_view) noexcept { return 0; }
}
