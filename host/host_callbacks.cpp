#include "host_callbacks.h"

#include <cstring>

#include "checked_call.h"
#include "console.h"
#include "foreign_memory.h"
#include "host_session.h"
#include "interpreter.h"

namespace standin {

namespace {

constexpr size_t kMaxTextBytes = size_t{1} << 24;

// A text block the plug-in handed over for the host to keep: copied, then freed.
std::string takeHostOwnedText(HostSession& state, char* block, const char* what) {
    if (!block) {
        state.contractBroken(std::string(what) + " is a null text");
        return {};
    }
    const auto text = copyForeignText(block, kMaxTextBytes);
    if (!text) {
        state.contractBroken(std::string(what) + " is not a readable text");
        return {};
    }
    if (!freeHostOwnedBlock(block)) state.contractBroken(std::string(what) + " is not a GlobalAlloc block");
    return *text;
}

// A text the plug-in passes into a callback: copied, as the SDK's host does, and left to the
// plug-in, which frees it once the call returns.
std::string copyPassedText(HostSession& state, const char* block, const char* what) {
    if (!block) {
        state.contractBroken(std::string(what) + " is a null text");
        return {};
    }
    const auto text = copyForeignText(block, kMaxTextBytes);
    if (!text) {
        state.contractBroken(std::string(what) + " is not a readable text");
        return {};
    }
    if (!isLiveHeapBlock(block)) state.contractBroken(std::string(what) + " is not a GlobalAlloc block");
    return *text;
}

// The name in the plug-in's 260-byte name buffer, or nothing when it is not a text there.
std::optional<std::string> requestedName(HostSession& state, const char* nameBuffer) {
    const auto name = copyForeignText(nameBuffer, kNameBufferSize);
    if (!name) {
        state.contractBroken("a variable read passed a name buffer without a readable text in 260 bytes");
        return std::nullopt;
    }
    ++state.readCount;
    state.variables.set("[Host.ReadCount]", std::to_string(state.readCount));
    state.variables.set("[Host.ReadName]", *name);
    return name;
}

intptr_t copyValueInto(const char* nameBuffer, char* valueBuffer) noexcept {
    try {
        HostSession& state = session();
        const auto name = requestedName(state, nameBuffer);
        if (!name) return 0;
        const std::string* value = state.variables.find(*name);
        if (!value || value->empty()) return 0;
        if (readableBytes(valueBuffer, kValueBufferSize) < kValueBufferSize) {
            state.contractBroken("a variable read passed a value buffer smaller than 4096 bytes");
            return 0;
        }
        // The plug-in does not say how big its buffer is: never more than 4095 bytes.
        const size_t length = value->size() < kValueBufferSize - 1 ? value->size() : kValueBufferSize - 1;
        std::memcpy(valueBuffer, value->data(), length);
        valueBuffer[length] = '\0';
        return 0;
    } catch (...) {
        return 0;
    }
}

void recordRegistration(HostSession& state, int32_t number, char* name, char* hint,
                        const unsigned char* types, int32_t fifth, int32_t count) {
    Registration registration;
    registration.number = number;
    registration.name = copyPassedText(state, name, "a registered action name");
    registration.hint = copyPassedText(state, hint, "a registered action hint");
    if (readableBytes(types, kTypeArraySize) == kTypeArraySize) {
        std::array<unsigned char, kTypeArraySize> bytes{};
        std::memcpy(bytes.data(), types, kTypeArraySize);
        registration.types = bytes;
    } else {
        state.contractBroken("the type array of action " + std::to_string(number) +
                             " is not 33 readable bytes");
    }
    registration.fifth = fifth;
    registration.count = count;
    state.record.registrations.push_back(std::move(registration));
}

// An identity text the plug-in wrote through an out-pointer.
std::string takeIdentityText(HostSession& state, char* block, const char* what) {
    if (!block) {
        say(std::string("host: the plug-in gave no ") + what);
        return {};
    }
    return takeHostOwnedText(state, block, what);
}

}  // namespace

int32_t WINAPI registerActionCallback(int32_t number, char* name, char* hint, unsigned char* types,
                                      int32_t fifth, int32_t count) noexcept {
    try {
        recordRegistration(session(), number, name, hint, types, fifth, count);
    } catch (...) {
    }
    return 0;
}

int32_t WINAPI setVariableCallback(char* name, char* value) noexcept {
    try {
        HostSession& state = session();
        const std::string variable = copyPassedText(state, name, "a variable name");
        const std::string text = copyPassedText(state, value, "a variable value");
        if (variable.empty()) return 0;
        if (variable.front() != '[' || variable.back() != ']')
            state.contractBroken("the plug-in set a variable without brackets: '" + variable + "'");
        state.setVariable(variable, text);
    } catch (...) {
    }
    return 0;
}

int32_t WINAPI scriptProcessorCallback(char* line) noexcept {
    try {
        HostSession& state = session();
        // The plug-in frees the line itself once the call returns.
        const auto text = copyForeignText(line, kMaxTextBytes);
        if (!text) {
            state.contractBroken("the script processor got no readable line");
            return 0;
        }
        if (!state.running) {
            say("host: error: the plug-in ran the line '" + *text + "' while no script was running");
            state.outcome.scriptError = true;
            return 0;
        }
        state.running->runForeignLine(*text);
    } catch (...) {
    }
    return 0;
}

intptr_t WINAPI readVariableCopying(char* nameBuffer, char* valueBuffer) noexcept {
    return copyValueInto(nameBuffer, valueBuffer);
}

intptr_t __cdecl readVariableCdecl(char* nameBuffer, char* valueBuffer) noexcept {
    return copyValueInto(nameBuffer, valueBuffer);
}

intptr_t WINAPI readVariableStoring(char* nameBuffer, char* valueBuffer) noexcept {
    try {
        HostSession& state = session();
        const auto name = requestedName(state, nameBuffer);
        if (!name) return 0;
        if (readableBytes(valueBuffer, sizeof(char*)) < sizeof(char*)) {
            state.contractBroken("a variable read passed no room for a text pointer");
            return 0;
        }
        char*& slot = *reinterpret_cast<char**>(valueBuffer);
        // The SDK's helper gives back what the slot holds before it stores the new text.
        if (slot) {
            if (isLiveHeapBlock(slot)) {
                GlobalFree(slot);
            } else {
                state.contractBroken("a variable read left a pointer in the value buffer that is not a live "
                                     "block; the host would hand it to GlobalFree");
            }
            slot = nullptr;
        }
        const std::string* value = state.variables.find(*name);
        slot = newTextBlock(value ? *value : std::string());
        // A procedure leaves whatever it last computed in the result register: here an
        // address that is no text of the value, so a plug-in that used it would show it.
        return reinterpret_cast<intptr_t>(valueBuffer);
    } catch (...) {
        return 0;
    }
}

intptr_t WINAPI readVariableByAddress(char* nameBuffer, char*) noexcept {
    try {
        HostSession& state = session();
        const auto name = requestedName(state, nameBuffer);
        if (!name) return 0;
        const std::string* value = state.variables.find(*name);
        if (!value || value->empty()) return 0;
        // Stays valid until the next read.
        state.readCopy = *value;
        return reinterpret_cast<intptr_t>(state.readCopy.c_str());
    } catch (...) {
        return 0;
    }
}

void* variableReaderFor(ReaderStyle style) noexcept {
    switch (style) {
        case ReaderStyle::Sdk:
            return reinterpret_cast<void*>(&readVariableStoring);
        case ReaderStyle::Copy:
            return reinterpret_cast<void*>(&readVariableCopying);
        case ReaderStyle::Address:
            return reinterpret_cast<void*>(&readVariableByAddress);
        case ReaderStyle::Cdecl:
            return reinterpret_cast<void*>(&readVariableCdecl);
    }
    return reinterpret_cast<void*>(&readVariableStoring);
}

void introducePlugin(HWND hostWindow) {
    HostSession& state = session();
    const EntryPoints& plugin = state.plugin.entries();
    PluginRecord& record = state.record;

    (void)callPlugin("nbInitialize", plugin.initialize, hostWindow);

    char* title = nullptr;
    char* publisher = nullptr;
    char* hint = nullptr;
    (void)callPlugin("nbInitPlugIn", plugin.initPlugIn, hostWindow, &title, &publisher, &hint);
    record.title = takeIdentityText(state, title, "title from nbInitPlugIn");
    record.publisher = takeIdentityText(state, publisher, "publisher from nbInitPlugIn");
    record.hint = takeIdentityText(state, hint, "hint from nbInitPlugIn");

    char* infoTitle = nullptr;
    char* description = nullptr;
    (void)callPlugin("nbGetPluginInfo", plugin.getPluginInfo, &infoTitle, &description, 0);
    record.infoTitle = takeIdentityText(state, infoTitle, "title from nbGetPluginInfo");
    record.description = takeIdentityText(state, description, "description from nbGetPluginInfo");

    (void)callPlugin("nbRegisterPlugIn", plugin.registerPlugIn,
                     reinterpret_cast<void*>(&registerActionCallback), kRegisterValue,
                     variableReaderFor(state.options.reader), reinterpret_cast<void*>(&setVariableCallback));
    (void)callPlugin("nbRegisterScriptProcessor", plugin.registerScriptProcessor,
                     reinterpret_cast<void*>(&scriptProcessorCallback));
}

void useReader(HostSession& state, ReaderStyle style) {
    state.options.reader = style;
    if (!state.plugin.usable()) return;
    (void)callPlugin("nbRegisterPlugIn", state.plugin.entries().registerPlugIn, nullptr, kRegisterValue,
                     variableReaderFor(style), reinterpret_cast<void*>(&setVariableCallback));
}

std::string startPlugin(HostSession& state) {
    std::string problem = state.plugin.load(state.options.pluginPath);
    if (!problem.empty()) return problem;
    state.record = PluginRecord{};
    state.module = readModuleFacts(state.plugin.module());
    introducePlugin(state.publication.hostWindow());
    return {};
}

}  // namespace standin
