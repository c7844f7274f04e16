#include "plugin/host_bridge.h"

#include <cstring>
#include <vector>

#include "platform/ansi_text.h"
#include "platform/heap_block.h"
#include "platform/process_lifetime.h"
#include "platform/system_functions.h"

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

// The host's callbacks as every call into the host finds them.
struct BridgeState {
    HostCallbacks& host;
};

BridgeState bridgeState() { return {hostCallbacks()}; }

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

char* newBlock(size_t bytes) {
    return static_cast<char*>(systemFunctions().resources.globalAlloc(kBlockFlags, bytes));
}

bool ensureExchangeBuffers(HostCallbacks& host) {
    if (!host.nameBuffer) host.nameBuffer = newBlock(kNameBufferSize);
    if (!host.valueBuffer) host.valueBuffer = newBlock(kValueBufferSize);
    return host.nameBuffer && host.valueBuffer;
}

// The value buffer's first pointer-sized bytes are where a pointer-storing reader puts its
// text's address; the guard bytes after them are overwritten by any copied value that long.
constexpr size_t kSlotBytes = sizeof(void*);
constexpr size_t kGuardBytes = 8;
// Values are read up to this many bytes in every style, as the copying reader's buffer allows.
constexpr size_t kMaxValueBytes = kValueBufferSize - 1;

// The ANSI bytes of as much of `text` as fits in `maxBytes`, cut between characters (a
// surrogate pair and a multi-byte character stay whole).
std::string ansiPrefix(std::wstring_view text, size_t maxBytes, UINT codePage) {
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        const size_t width = ((text[i] & 0xFC00) == 0xD800 && i + 1 < text.size()) ? 2 : 1;
        const std::string piece = toAnsi(text.substr(i, width), codePage);
        if (out.size() + piece.size() > maxBytes) break;
        out += piece;
        i += width;
    }
    return out;
}

enum class LongValue { Refuse, Cut };

// The exchange buffers stand in for fresh blocks when memory runs out: both are GlobalAlloc
// blocks the plug-in keeps for the life of the process, and the host copies what it gets.
bool setThroughExchangeBuffers(HostCallbacks& host, std::wstring_view name, std::wstring_view value,
                               LongValue longValue) {
    if (!ensureExchangeBuffers(host)) return false;
    std::string valueBytes = toAnsi(value);
    if (valueBytes.size() > kMaxValueBytes) {
        if (longValue == LongValue::Refuse) return false;
        valueBytes = ansiPrefix(value, kMaxValueBytes, CP_ACP);
    }
    const std::string nameBytes = variableNameBytes(name);
    std::memcpy(host.nameBuffer, nameBytes.data(), nameBytes.size());
    host.nameBuffer[nameBytes.size()] = '\0';
    std::memcpy(host.valueBuffer, valueBytes.data(), valueBytes.size());
    host.valueBuffer[valueBytes.size()] = '\0';
    host.setVariable(host.nameBuffer, host.valueBuffer);
    // A host that frees what it is given has freed the buffers as well: they are made anew.
    if (!isLiveHeapBlock(host.nameBuffer)) host.nameBuffer = nullptr;
    if (!isLiveHeapBlock(host.valueBuffer)) host.valueBuffer = nullptr;
    return true;
}

struct GuardBytes {
    unsigned char bytes[kGuardBytes];
};

// Clears the pointer slot (a pointer-storing reader frees whatever non-null pointer it
// finds there) and lays down guard bytes that differ from read to read, none of them zero.
GuardBytes prepareValueBuffer(HostCallbacks& host) {
    GuardBytes guard{};
    uint32_t mix = (++host.readSerial) * 2654435761u ^ 0x5A17C3E9u;
    for (unsigned char& byte : guard.bytes) {
        mix = mix * 1103515245u + 12345u;
        byte = static_cast<unsigned char>(mix >> 24);
        if (byte == 0) byte = 0xA5;
    }
    std::memset(host.valueBuffer, 0, kSlotBytes);
    std::memcpy(host.valueBuffer + kSlotBytes, guard.bytes, kGuardBytes);
    host.valueBuffer[kSlotBytes + kGuardBytes] = '\0';
    return guard;
}

// True when the slot's bytes read as a text shorter than a pointer: non-zero bytes, a zero,
// and nothing but zeros after it, exactly what a copied short value leaves there.
bool looksLikeShortText(const char* slot) {
    size_t i = 0;
    while (i < kSlotBytes && slot[i] != '\0') ++i;
    for (; i < kSlotBytes; ++i)
        if (slot[i] != '\0') return false;
    return true;
}

std::wstring boundedText(const char* text) {
    const size_t readable = readableBytesAt(text);
    const size_t limit = readable < kMaxValueBytes ? readable : kMaxValueBytes;
    const void* zero = std::memchr(text, 0, limit);
    const size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - text) : limit;
    std::string bytes(text, length);
    return fromHostText(bytes.c_str());
}

// The text of a pointer-storing reader: read, then given back to the heap it came from.
std::wstring takeStoredText(HostCallbacks& host, char* text) {
    std::memset(host.valueBuffer, 0, kSlotBytes);  // no stale pointer stays behind
    if (readableBytesAt(text) == 0) return {};
    std::wstring value = boundedText(text);
    (void)freeIfLiveHeapBlock(text);
    return value;
}

std::wstring copiedText(HostCallbacks& host) {
    // The buffer is ours: never read past its end even if the host forgot the terminator.
    host.valueBuffer[kValueBufferSize - 1] = '\0';
    return fromHostText(host.valueBuffer);
}

struct ReaderAnswer {
    bool guardOverwritten = false;  // a copied value at least a pointer long
    char* stored = nullptr;         // the buffer's first pointer-sized bytes
    intptr_t result = 0;
};

ReaderAnswer callReader(HostCallbacks& host, std::wstring_view name) {
    const std::string nameBytes = variableNameBytes(name);
    std::memcpy(host.nameBuffer, nameBytes.data(), nameBytes.size());
    host.nameBuffer[nameBytes.size()] = '\0';
    const GuardBytes guard = prepareValueBuffer(host);
    ReaderAnswer answer;
    answer.result = callVariableReader(host.getVariable, host.nameBuffer, host.valueBuffer);
    answer.guardOverwritten = std::memcmp(host.valueBuffer + kSlotBytes, guard.bytes, kGuardBytes) != 0;
    std::memcpy(&answer.stored, host.valueBuffer, kSlotBytes);
    return answer;
}

// Reads the one variable that is empty in every publication: a storing reader stores the
// address of a heap block holding an empty text (or, in some hosts, the name itself); a
// copying reader leaves the pointer bytes zero or copies a short text that is no such block.
void settleReaderStyle(HostCallbacks& host) {
    const ReaderAnswer answer = callReader(host, kReaderProbeVariable);
    host.readerStyle = ReaderStyle::Copies;
    if (answer.guardOverwritten || !answer.stored || !isLiveHeapBlock(answer.stored)) return;
    const std::wstring text = boundedText(answer.stored);
    if (!text.empty() && text != kReaderProbeVariable) return;
    host.readerStyle = ReaderStyle::StoresPointers;
    (void)takeStoredText(host, answer.stored);
}

// A copied value at least a pointer long overwrites the guard bytes, which a stored pointer
// never does; a stored pointer with a zero byte before a non-zero one cannot be a copied
// text. Those answers also correct the style. Anything else follows the settled style.
std::wstring takeReadValue(HostCallbacks& host, const ReaderAnswer& answer) {
    if (answer.guardOverwritten) {
        host.readerStyle = ReaderStyle::Copies;
        return copiedText(host);
    }
    if (!answer.stored) {
        // Nothing in the buffer: an empty value, or the address of the host's own text. A
        // storing reader's return value means nothing.
        if (answer.result == 0 || host.readerStyle == ReaderStyle::StoresPointers) return {};
        return boundedText(reinterpret_cast<const char*>(answer.result));
    }
    if (!looksLikeShortText(host.valueBuffer)) {
        host.readerStyle = ReaderStyle::StoresPointers;
        return takeStoredText(host, answer.stored);
    }
    if (host.readerStyle == ReaderStyle::StoresPointers) return takeStoredText(host, answer.stored);
    return copiedText(host);
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
    char* block = newBlock(ansi.size() + 1);
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

bool putParam(void* params, int index, std::wstring_view text) {
    if (!params || index < 0) return true;
    char* const fresh = toHostText(text);
    if (!fresh) return false;
    putParamBlock(params, index, fresh);
    return true;
}

void putParamBlock(void* params, int index, char* block) {
    if (!params || index < 0) return;
    char*& slot = static_cast<char**>(params)[index];
    (void)freeIfLiveHeapBlock(slot);
    slot = block;
}

bool setVariable(std::wstring_view name, std::wstring_view value) {
    const BridgeState state = bridgeState();
    if (hueloom::shuttingDown() || !state.host.setVariable) return true;
    char* const nameBlock = toHostText(name);
    char* const valueBlock = toHostText(value);
    if (!nameBlock || !valueBlock) {
        // Never a null text to the host.
        if (nameBlock) GlobalFree(nameBlock);
        if (valueBlock) GlobalFree(valueBlock);
        return setThroughExchangeBuffers(state.host, name, value, LongValue::Refuse);
    }
    state.host.setVariable(nameBlock, valueBlock);
    // The host has copied both. A host that freed them itself has made them dead blocks,
    // which are left alone.
    (void)freeIfLiveHeapBlock(nameBlock);
    (void)freeIfLiveHeapBlock(valueBlock);
    return true;
}

void setLastError(std::wstring_view text) {
    constexpr wchar_t kName[] = L"[Skin.LastError]";
    if (setVariable(kName, text)) return;
    const BridgeState state = bridgeState();
    (void)setThroughExchangeBuffers(state.host, kName, text, LongValue::Cut);
}

void prepareExchangeBuffers() { (void)ensureExchangeBuffers(hostCallbacks()); }

std::string variableNameBytes(std::wstring_view name) { return variableNameBytes(name, CP_ACP); }

std::string variableNameBytes(std::wstring_view name, UINT codePage) {
    size_t chars = name.size() < kMaxVariableNameChars ? name.size() : kMaxVariableNameChars;
    // Never split a surrogate pair at the cut.
    if (chars > 0 && chars < name.size() && (name[chars - 1] & 0xFC00) == 0xD800) --chars;
    return ansiPrefix(name.substr(0, chars), kNameBufferSize - 1, codePage);
}

std::wstring getVariable(std::wstring_view name) {
    const BridgeState state = bridgeState();
    if (hueloom::shuttingDown() || !state.host.getVariable) return {};
    if (!ensureExchangeBuffers(state.host)) return {};
    if (state.host.readerStyle == ReaderStyle::Unknown) settleReaderStyle(state.host);
    // The reader may have been called back into the plug-in's shutdown meanwhile.
    if (hueloom::shuttingDown() || !state.host.getVariable) return {};
    return takeReadValue(state.host, callReader(state.host, name));
}

bool goSub(std::wstring_view line) {
    const BridgeState state = bridgeState();
    // Without a script processor (or while shutting down) there is nobody to hand it to,
    // which is no shortage of memory.
    if (hueloom::shuttingDown() || !state.host.scriptProcessor) return true;
    char* block = toHostText(line);
    if (!block) return false;
    state.host.scriptProcessor(block);
    GlobalFree(block);
    return true;
}

} // namespace hueloom::HostBridge
