#include "plugin/host_bridge.h"

#include <cstring>
#include <vector>

#include "platform/ansi_text.h"
#include "platform/process_lifetime.h"

namespace hueloom {

namespace {
HostCallbacks g_host;
}

HostCallbacks& hostCallbacks() noexcept { return g_host; }

void resetHostCallbacks() noexcept {
    // The exchange buffers live for the whole process; they are kept across a re-start.
    HostCallbacks fresh;
    fresh.nameBuffer = g_host.nameBuffer;
    fresh.valueBuffer = g_host.valueBuffer;
    g_host = fresh;
}

} // namespace hueloom

namespace hueloom::HostBridge {

namespace {

// What every call into the host looks at first.
struct BridgeState {
    HostCallbacks& host;
    bool shuttingDown;
};

BridgeState bridgeState() { return {hostCallbacks(), hueloom::shuttingDown()}; }

constexpr UINT kBlockFlags = GMEM_FIXED | GMEM_ZEROINIT;  // 0x40: fixed, zero-filled

bool isReadableProtection(DWORD protect) {
    if (protect & (PAGE_NOACCESS | PAGE_GUARD)) return false;
    const DWORD access = protect & 0xFF;
    return access == PAGE_READONLY || access == PAGE_READWRITE || access == PAGE_WRITECOPY ||
           access == PAGE_EXECUTE_READ || access == PAGE_EXECUTE_READWRITE ||
           access == PAGE_EXECUTE_WRITECOPY;
}

// Length of a zero-terminated text that lies wholly in readable memory; reading stops at
// the end of the readable memory when no terminator comes first.
size_t boundedLength(const char* text) {
    size_t length = 0;
    const char* cursor = text;
    for (;;) {
        const size_t available = readableBytesAt(cursor);
        if (available == 0) return length;
        const void* zero = std::memchr(cursor, 0, available);
        if (zero) return length + static_cast<size_t>(static_cast<const char*>(zero) - cursor);
        length += available;
        cursor += available;
    }
}

std::string toAnsi(std::wstring_view text, UINT codePage = CP_ACP) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, out.data(), bytes, nullptr, nullptr);
    return out;
}

// Calls the host's variable reader so that the stack is right whether or not the callback
// removes its two arguments: the stack pointer is kept in a callee-saved register.
intptr_t callVariableReader(GetVariableCallback reader, char* name, char* value) {
#if defined(__i386__)
    intptr_t result;
    __asm__ __volatile__(
        "movl %%esp, %%esi\n\t"
        "pushl %3\n\t"
        "pushl %2\n\t"
        "call *%1\n\t"
        "movl %%esi, %%esp\n\t"
        : "=a"(result)
        : "r"(reader), "r"(name), "r"(value)
        : "esi", "ecx", "edx", "memory", "cc");
    return result;
#else
    return reader(name, value);
#endif
}

bool ensureExchangeBuffers(HostCallbacks& host) {
    if (!host.nameBuffer) host.nameBuffer = static_cast<char*>(GlobalAlloc(kBlockFlags, kNameBufferSize));
    if (!host.valueBuffer) host.valueBuffer = static_cast<char*>(GlobalAlloc(kBlockFlags, kValueBufferSize));
    return host.nameBuffer && host.valueBuffer;
}

} // namespace

size_t readableBytesAt(const void* address) {
    if (!address) return 0;
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(address, &info, sizeof info) == 0) return 0;
    if (info.State != MEM_COMMIT || !isReadableProtection(info.Protect)) return 0;
    const auto end = reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize;
    const auto start = reinterpret_cast<uintptr_t>(address);
    return end > start ? static_cast<size_t>(end - start) : 0;
}

char* toHostText(std::wstring_view text) {
    const std::string ansi = toAnsi(text);
    auto* block = static_cast<char*>(GlobalAlloc(kBlockFlags, ansi.size() + 1));
    if (!block) return nullptr;
    std::memcpy(block, ansi.data(), ansi.size());
    block[ansi.size()] = '\0';
    return block;
}

std::wstring fromHostText(const char* text) {
    if (!text) return {};
    const size_t length = boundedLength(text);
    if (length == 0) return {};
    return decodeAnsi(std::string_view(text, length));
}

void writeOut(char** outPointer, std::wstring_view text) {
    char* block = toHostText(text);
    if (outPointer) *outPointer = block;
}

std::wstring getParam(void* params, int index) {
    if (!params || index < 0) return {};
    char* const* slot = static_cast<char* const*>(params) + index;
    if (readableBytesAt(slot) < sizeof(char*)) return {};
    return fromHostText(*slot);
}

void putParam(void* params, int index, std::wstring_view text) {
    if (!params || index < 0) return;
    static_cast<char**>(params)[index] = toHostText(text);
}

void setVariable(std::wstring_view name, std::wstring_view value) {
    const BridgeState state = bridgeState();
    if (state.shuttingDown || !state.host.setVariable) return;
    state.host.setVariable(toHostText(name), toHostText(value));
}

void setLastError(std::wstring_view text) { setVariable(L"[Skin.LastError]", text); }

std::string variableNameBytes(std::wstring_view name) { return variableNameBytes(name, CP_ACP); }

std::string variableNameBytes(std::wstring_view name, UINT codePage) {
    size_t chars = name.size() < kMaxVariableNameChars ? name.size() : kMaxVariableNameChars;
    // Never split a surrogate pair at the cut.
    if (chars > 0 && chars < name.size() && (name[chars - 1] & 0xFC00) == 0xD800) --chars;
    std::string out;
    size_t i = 0;
    while (i < chars) {
        const size_t width = ((name[i] & 0xFC00) == 0xD800 && i + 1 < chars) ? 2 : 1;
        const std::string piece = toAnsi(name.substr(i, width), codePage);
        if (out.size() + piece.size() > kNameBufferSize - 1) break;
        out += piece;
        i += width;
    }
    return out;
}

std::wstring getVariable(std::wstring_view name) {
    const BridgeState state = bridgeState();
    if (state.shuttingDown || !state.host.getVariable) return {};
    if (!ensureExchangeBuffers(state.host)) return {};

    const std::string nameBytes = variableNameBytes(name);
    std::memcpy(state.host.nameBuffer, nameBytes.data(), nameBytes.size());
    state.host.nameBuffer[nameBytes.size()] = '\0';
    state.host.valueBuffer[0] = '\0';

    const intptr_t result = callVariableReader(state.host.getVariable, state.host.nameBuffer,
                                               state.host.valueBuffer);
    if (state.host.valueBuffer[0] != '\0') {
        // The buffer is ours: never read past its end even if the host forgot the terminator.
        state.host.valueBuffer[kValueBufferSize - 1] = '\0';
        return fromHostText(state.host.valueBuffer);
    }
    if (result == 0) return {};
    return fromHostText(reinterpret_cast<const char*>(result));
}

void goSub(std::wstring_view line) {
    const BridgeState state = bridgeState();
    if (state.shuttingDown || !state.host.scriptProcessor) return;
    char* block = toHostText(line);
    if (!block) return;
    state.host.scriptProcessor(block);
    GlobalFree(block);
}

} // namespace hueloom::HostBridge
