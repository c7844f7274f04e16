#include "editors_test_helpers.h"

#include "platform/heap_block.h"

#include <cstdio>
#include <cstring>

namespace editors_testing {

namespace {

constexpr DWORD kStepTimeoutMs = 20000;
constexpr UINT kPollMs = 40;
constexpr int kFileNameBox = 0x47C;  // the system file dialog's "File name" box
constexpr int kFileTypeList = 0x470;
constexpr int kRedField = 706, kGreenField = 707, kBlueField = 708;

DialogDriver* activeDriver = nullptr;
int createdWindows = 0;

char* ansiBlock(const char* text) {
    const size_t length = std::strlen(text);
    auto* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, length + 1));
    std::memcpy(block, text, length + 1);
    return block;
}

struct CaptionSearch {
    const std::wstring* caption;
    HWND found;
};

BOOL CALLBACK matchCaption(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<CaptionSearch*>(context);
    if (IsWindowVisible(window) && windowText(window) == *search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

bool isDialogWindow(HWND window) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    return std::wcscmp(className, L"#32770") == 0 || std::wcscmp(className, L"HueloomEditor") == 0;
}

BOOL CALLBACK cancelDialog(HWND window, LPARAM) {
    if (IsWindowVisible(window) && isDialogWindow(window))
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return TRUE;
}

struct DialogSearch {
    HWND found = nullptr;
};

BOOL CALLBACK findDialog(HWND window, LPARAM context) {
    if (IsWindowVisible(window) && isDialogWindow(window)) {
        reinterpret_cast<DialogSearch*>(context)->found = window;
        return FALSE;
    }
    return TRUE;
}

LRESULT CALLBACK countCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) ++createdWindows;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool writeBitmap(const std::wstring& path, int width, int height, const std::vector<unsigned>& pixels) {
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD imageBytes = static_cast<DWORD>(pixels.size() * sizeof(unsigned));
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + imageBytes;
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, imageBytes, out);
    return std::fclose(out) == 0;
}

} // namespace

HostParams::HostParams(std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
        slots_.push_back(text ? ansiBlock(text) : nullptr);
        given_.push_back(slots_.back());
        ownsGiven_.push_back(text != nullptr);
    }
    slots_.push_back(nullptr);  // never read: the host passes exactly the registered count
}

HostParams::~HostParams() {
    for (size_t i = 0; i < given_.size(); ++i) {
        // A slot the plug-in wrote holds its new text; the old one it has freed itself.
        if (written(i)) {
            if (slots_[i]) GlobalFree(slots_[i]);
        } else if (ownsGiven_[i]) {
            GlobalFree(given_[i]);
        }
    }
}

bool HostParams::oldTextFreed(size_t index) const {
    return written(index) && !hueloom::isLiveHeapBlock(given_[index]);
}

std::string HostParams::text(size_t index) const { return slots_[index] ? slots_[index] : "<null>"; }

void HostParams::pointAt(size_t index, char* address) {
    if (ownsGiven_[index]) GlobalFree(given_[index]);
    slots_[index] = given_[index] = address;
    ownsGiven_[index] = false;
}

NoAccessPage::NoAccessPage() : page_(VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_NOACCESS)) {}
NoAccessPage::~NoAccessPage() {
    if (page_) VirtualFree(page_, 0, MEM_RELEASE);
}

DialogDriver::DialogDriver() {
    activeDriver = this;
    waitingSince_ = GetTickCount();
    timer_ = SetTimer(nullptr, 0, kPollMs, tick);
}

DialogDriver::~DialogDriver() {
    KillTimer(nullptr, timer_);
    activeDriver = nullptr;
}

DialogDriver& DialogDriver::when(const std::wstring& caption, Action action) {
    steps_.push_back({caption, std::move(action)});
    return *this;
}

void CALLBACK DialogDriver::tick(HWND, UINT, UINT_PTR, DWORD) {
    if (activeDriver) activeDriver->poll();
}

void DialogDriver::poll() {
    if (busy_) return;
    busy_ = true;
    if (next_ < steps_.size()) {
        const Step& step = steps_[next_];
        HWND window = findThreadWindow(step.caption);
        if (window && window != lastHandled_ && IsWindowEnabled(window)) {
            lastHandled_ = window;
            ++next_;
            waitingSince_ = GetTickCount();
            step.action(window);
        } else if (GetTickCount() - waitingSince_ > kStepTimeoutMs) {
            problems_.push_back("no window '" + narrow(step.caption) + "' appeared");
            next_ = steps_.size();
            cancelVisibleDialogs(nullptr);
        }
    } else {
        DialogSearch search;
        EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found && search.found != lastHandled_)
            cancelVisibleDialogs(("unexpected window '" + narrow(windowText(search.found)) + "'").c_str());
        // A step whose dialog never closes would leave the editor's loop waiting for ever.
        else if (search.found && GetTickCount() - waitingSince_ > kStepTimeoutMs)
            cancelVisibleDialogs(("window '" + narrow(windowText(search.found)) + "' still open after its step").c_str());
    }
    busy_ = false;
}

void DialogDriver::cancelVisibleDialogs(const char* why) {
    if (why) problems_.push_back(why);
    EnumThreadWindows(GetCurrentThreadId(), cancelDialog, 0);
}

HWND findThreadWindow(const std::wstring& caption) {
    CaptionSearch search{&caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), matchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring windowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::string narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out.push_back(c < 128 ? static_cast<char>(c) : '?');
    return out;
}

void clickButton(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void pressKey(HWND dialog, WPARAM virtualKey) {
    HWND focus = GetFocus();
    if (focus != dialog && !IsChild(dialog, focus)) {
        SetForegroundWindow(dialog);
        SetActiveWindow(dialog);  // the dialog gives the focus back to its control
        focus = GetFocus();
    }
    if (focus != dialog && !IsChild(dialog, focus)) focus = dialog;
    PostMessageW(focus, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(focus, WM_KEYUP, virtualKey, 0xC0000001);
}

bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

COLORREF shownColor(HWND colorDialog) {
    return RGB(GetDlgItemInt(colorDialog, kRedField, nullptr, FALSE),
               GetDlgItemInt(colorDialog, kGreenField, nullptr, FALSE),
               GetDlgItemInt(colorDialog, kBlueField, nullptr, FALSE));
}

void chooseColor(HWND colorDialog, COLORREF color) {
    SetDlgItemInt(colorDialog, kRedField, GetRValue(color), FALSE);
    SetDlgItemInt(colorDialog, kGreenField, GetGValue(color), FALSE);
    SetDlgItemInt(colorDialog, kBlueField, GetBValue(color), FALSE);
    PostMessageW(colorDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void openFile(HWND fileDialog, const std::wstring& path) {
    SetWindowTextW(GetDlgItem(fileDialog, kFileNameBox), path.c_str());
    PostMessageW(fileDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

std::vector<std::wstring> fileTypes(HWND fileDialog, int* selected) {
    HWND list = GetDlgItem(fileDialog, kFileTypeList);
    std::vector<std::wstring> entries;
    const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t entry[256] = {};
        if (SendMessageW(list, CB_GETLBTEXTLEN, i, 0) < 255) SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
        entries.emplace_back(entry);
    }
    if (selected) *selected = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
    return entries;
}

WindowCreationCounter::WindowCreationCounter() {
    createdWindows = 0;
    hook_ = SetWindowsHookExW(WH_CBT, countCreation, nullptr, GetCurrentThreadId());
}

WindowCreationCounter::~WindowCreationCounter() {
    if (hook_) UnhookWindowsHookEx(hook_);
}

int WindowCreationCounter::count() const { return hook_ ? createdWindows : -1; }

bool saveScreenshotIfAsked(HWND window, const wchar_t* name) {
    const wchar_t* folder = _wgetenv(L"HUELOOM_SHOTS");
    if (!folder || !*folder) return true;
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);  // pending paints first
    GdiFlush();
    RECT frame{};
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    std::vector<unsigned> pixels(static_cast<size_t>(width) * height);

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    // Under Xvfb no window manager draws the frame: draw the caption and edge the way the
    // system does, then copy the client area as the window painted it.
    RECT whole{0, 0, width, height};
    FillRect(memory, &whole, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(memory, &whole, EDGE_RAISED, BF_RECT);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    RECT inside{};
    GetClientRect(window, &inside);
    const int left = client.x - frame.left, top = client.y - frame.top;
    RECT caption{left, GetSystemMetrics(SM_CYFRAME), left + inside.right,
                 GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) - 1};
    DrawCaption(window, memory, &caption, DC_ACTIVE | DC_TEXT | DC_GRADIENT);
    HDC clientDc = GetDC(window);
    BitBlt(memory, left, top, inside.right, inside.bottom, clientDc, 0, 0, SRCCOPY);
    ReleaseDC(window, clientDc);
    GdiFlush();
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof(unsigned));
    // GDI leaves the fourth byte undefined; viewers read it as transparency.
    for (unsigned& pixel : pixels) pixel |= 0xFF000000u;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    return writeBitmap(std::wstring(folder) + L"\\" + name + L".bmp", width, height, pixels);
}

} // namespace editors_testing
