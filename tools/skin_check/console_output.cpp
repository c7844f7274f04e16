#include "skin_check/console_output.h"

#include <string>

#include "theme/ini_reader.h"

namespace hueloom::skincheck {

namespace {

bool usable(HANDLE handle) {
    return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

void writeTo(HANDLE handle, std::string_view utf8) {
    if (!usable(handle) || utf8.empty()) return;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        // A console shows UTF-16 right whatever its code page.
        const std::wstring wide = decodeUtf8(utf8);
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    // Files and pipes get the report's own bytes, UTF-8, as the console build wrote them.
    while (!utf8.empty()) {
        DWORD written = 0;
        if (!WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) || written == 0)
            return;
        utf8.remove_prefix(written);
    }
}

} // namespace

ConsoleOutput::~ConsoleOutput() {
    if (console_) {
        CloseHandle(console_);
        FreeConsole();
    }
}

bool ConsoleOutput::open() {
    out_ = GetStdHandle(STD_OUTPUT_HANDLE);
    err_ = GetStdHandle(STD_ERROR_HANDLE);
    if (usable(out_)) {
        if (!usable(err_)) err_ = out_;
        return true;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
    console_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (console_ == INVALID_HANDLE_VALUE) {
        console_ = nullptr;
        FreeConsole();
        return false;
    }
    out_ = console_;
    if (!usable(err_)) err_ = console_;
    // The prompt of the command prompt is already on the line: start below it.
    writeTo(out_, "\n");
    return true;
}

void ConsoleOutput::write(std::string_view utf8, bool toError) { writeTo(toError ? err_ : out_, utf8); }

} // namespace hueloom::skincheck
