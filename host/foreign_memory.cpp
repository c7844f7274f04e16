#include "foreign_memory.h"

#include <cstring>

namespace standin {

namespace {

bool isReadable(DWORD protect) noexcept {
    if (protect & (PAGE_NOACCESS | PAGE_GUARD)) return false;
    const DWORD access = protect & 0xFF;
    return access == PAGE_READONLY || access == PAGE_READWRITE || access == PAGE_WRITECOPY ||
           access == PAGE_EXECUTE_READ || access == PAGE_EXECUTE_READWRITE ||
           access == PAGE_EXECUTE_WRITECOPY;
}

}  // namespace

size_t readableBytes(const void* address, size_t wanted) noexcept {
    if (!address) return 0;
    size_t total = 0;
    auto cursor = reinterpret_cast<uintptr_t>(address);
    while (total < wanted) {
        MEMORY_BASIC_INFORMATION info{};
        if (VirtualQuery(reinterpret_cast<const void*>(cursor), &info, sizeof info) == 0) break;
        if (info.State != MEM_COMMIT || !isReadable(info.Protect)) break;
        const uintptr_t end = reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize;
        if (end <= cursor) break;
        total += end - cursor;
        cursor = end;
    }
    return total < wanted ? total : wanted;
}

std::optional<std::string> copyForeignText(const char* text, size_t maxBytes) {
    if (!text) return std::nullopt;
    const size_t readable = readableBytes(text, maxBytes);
    const void* zero = std::memchr(text, 0, readable);
    if (!zero) return std::nullopt;
    return std::string(text, static_cast<size_t>(static_cast<const char*>(zero) - text));
}

bool isLiveHeapBlock(const void* address) noexcept {
    const auto value = reinterpret_cast<uintptr_t>(address);
    if (value < 0x10000 || value % (2 * sizeof(void*)) != 0) return false;
    if (readableBytes(address, 1) == 0) return false;
    return HeapValidate(GetProcessHeap(), 0, address) != FALSE;
}

bool freeHostOwnedBlock(void* block) noexcept {
    if (!block) return true;
    // GlobalFree gives the block back when it is not one of its own.
    return GlobalFree(block) == nullptr;
}

char* newTextBlock(std::string_view text) noexcept {
    auto* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, text.size() + 1));
    if (block) std::memcpy(block, text.data(), text.size());
    return block;
}

std::wstring widen(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int length = static_cast<int>(ansi.size());
    const int chars = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    if (chars <= 0) return {};
    std::wstring out(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, out.data(), chars);
    return out;
}

std::string narrow(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), length, out.data(), bytes, nullptr, nullptr);
    return out;
}

}  // namespace standin
