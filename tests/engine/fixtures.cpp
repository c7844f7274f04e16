#include "fixtures.h"

#include <doctest.h>

#include <cstring>

#include "actions/action_table.h"
#include "engine/settings_watch.h"
#include "platform/heap_block.h"
#include "plugin/entry_points.h"
#include "plugin/host_bridge.h"
#include "plugin/lifecycle.h"
#include "support/test_seam.h"

namespace testing {

namespace {

void WINAPI fakeSetVariable(char* name, char* value) {
    FakeHost& host = FakeHost::current();
    const std::string n = name ? name : "", v = value ? value : "";
    host.variables[n] = v;
    host.sets.emplace_back(n, v);
}

intptr_t storeValue(FakeHost& host, const std::string& value, char* valueBuffer) {
    char*& slot = *reinterpret_cast<char**>(valueBuffer);
    if (slot) {
        ++host.slotsNotCleared;
        if (hueloom::isLiveHeapBlock(slot)) GlobalFree(slot);
    }
    auto* text = static_cast<char*>(GlobalAlloc(GPTR, value.size() + 1));
    if (text) std::memcpy(text, value.data(), value.size());
    slot = text;
    host.storedTexts.push_back(text);
    // Declared as a procedure: whatever is left in the result register means nothing.
    return reinterpret_cast<intptr_t>(valueBuffer);
}

intptr_t WINAPI fakeGetVariable(char* nameBuffer, char* valueBuffer) {
    FakeHost& host = FakeHost::current();
    const std::string value = host.var(nameBuffer);
    if (host.reader == FakeReader::Stores) return storeValue(host, value, valueBuffer);
    const size_t length = value.size() < 4095 ? value.size() : 4095;
    std::memcpy(valueBuffer, value.data(), length);
    valueBuffer[length] = '\0';
    return 0;
}

void WINAPI fakeScriptProcessor(char* line) {
    FakeHost& host = FakeHost::current();
    host.scriptLines.emplace_back(line ? line : "");
    if (host.onScriptLine) host.onScriptLine(host.scriptLines.back());
}

LRESULT CALLBACK plainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* testWindowClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = plainWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = L"HueloomTestWindow";
        RegisterClassW(&wc);
        registered = true;
    }
    return L"HueloomTestWindow";
}

} // namespace

FakeHost& FakeHost::current() {
    static FakeHost host;
    return host;
}

void FakeHost::install() {
    hueloom::HostCallbacks& callbacks = testing::TestSeam::host();
    callbacks.setVariable = fakeSetVariable;
    callbacks.getVariable = fakeGetVariable;
    callbacks.scriptProcessor = fakeScriptProcessor;
}

std::string FakeHost::var(const std::string& name) const {
    // Host variable names are case-insensitive.
    for (const auto& [key, value] : variables)
        if (_stricmp(key.c_str(), name.c_str()) == 0) return value;
    return {};
}

void FakeHost::clear() {
    reader = FakeReader::Stores;
    slotsNotCleared = 0;
    storedTexts.clear();
    variables.clear();
    sets.clear();
    scriptLines.clear();
    onScriptLine = nullptr;
}

HWND createHostWindow(int width, int height) {
    HWND window = CreateWindowExW(0, testWindowClass(), L"Hueloom test host",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 50, 50, width,
                                  height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    return window;
}

HWND createChild(HWND parent, const wchar_t* className, DWORD style, int x, int y, int width,
                 int height, const wchar_t* text) {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                           parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void resetPlugin(HWND hostWindow) {
    // The watch of Windows' settings holds registry handles and a subclass; a reset
    // forgets them, so they are given back first.
    hueloom::stopSettingsWatch();
    hueloom::pluginStartup();
    FakeHost::current().clear();
    FakeHost::current().install();
    hueloom::setHostWindow(hostWindow);
}

void pumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (GetTickCount() - start >= milliseconds) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
}

bool pumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) return false;
        pumpMessages(5);
    }
    return true;
}

int freeGdiHandles() {
    std::vector<HBRUSH> brushes;
    brushes.reserve(70000);
    for (;;) {
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        if (!brush) break;
        brushes.push_back(brush);
        if (brushes.size() > 200000) break;
    }
    for (HBRUSH brush : brushes) DeleteObject(brush);
    return static_cast<int>(brushes.size());
}

DibCanvas::DibCanvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<unsigned*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
}

DibCanvas::~DibCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF DibCanvas::pixel(int x, int y) const {
    GdiFlush();
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const unsigned bgra = bits_[y * width_ + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

void DibCanvas::fill(COLORREF color) {
    for (int i = 0; i < width_ * height_; ++i)
        bits_[i] = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

namespace {

class FakeActionHost final : public hueloom::ActionHost {
public:
    void setVariable(std::wstring_view name, std::wstring_view value) override {
        hueloom::HostBridge::setVariable(name, value);
    }
    bool runScriptLine(std::wstring_view line) override { return hueloom::HostBridge::goSub(line); }
};

} // namespace

int runActionWide(int number, const std::vector<std::wstring>& params) {
    const hueloom::ActionRow* row = hueloom::findAction(number);
    REQUIRE(row != nullptr);
    std::vector<std::wstring> texts(params);
    texts.resize(static_cast<size_t>(row->parameterCount));
    FakeActionHost host;
    const hueloom::ActionResult result = row->handler(texts, host);
    if (result.reports) hueloom::HostBridge::setLastError(result.lastError);
    return result.code;
}

int executeAction(int number, const std::vector<std::string>& params) {
    std::vector<char*> slots;
    std::vector<std::string> storage(params);
    for (auto& text : storage) slots.push_back(text.data());
    slots.push_back(nullptr);
    return nbExecAction(number, slots.data());
}

} // namespace testing
