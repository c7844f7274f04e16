#include "fake_plugin.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>

#include "foreign_memory.h"
#include "host_callbacks.h"
#include "host_session.h"

namespace fake {

namespace {

using RegisterCallback = int32_t(WINAPI*)(int32_t, char*, char*, unsigned char*, int32_t, int32_t);
using SetCallback = int32_t(WINAPI*)(char*, char*);
using ReadCallback = intptr_t(WINAPI*)(char*, char*);
using ScriptCallback = int32_t(WINAPI*)(char*);

std::string param(char** params, int index) {
    const char* text = params[index];
    return text ? std::string(text) : std::string();
}

// The host copies what the plug-in passes in; the plug-in frees its blocks afterwards.
void setHostVariable(std::string_view name, std::string_view value) {
    char* nameBlock = standin::newTextBlock(name);
    char* valueBlock = standin::newTextBlock(value);
    reinterpret_cast<SetCallback>(record().setter)(nameBlock, valueBlock);
    GlobalFree(nameBlock);
    GlobalFree(valueBlock);
}

void registerOne(RegisterCallback callback, int32_t number, const char* name, int32_t count) {
    unsigned char types[standin::kTypeArraySize] = {};
    for (int32_t i = 0; i < count; ++i) types[i] = 1;
    char* nameBlock = standin::newTextBlock(name);
    char* hintBlock = standin::newTextBlock(std::string("hint of ") + name);
    callback(number, nameBlock, hintBlock, types, count > 0 ? count - 1 : 0, count);
    GlobalFree(nameBlock);
    GlobalFree(hintBlock);
}

// What a read gave: the storing reader's text (freed here), a copied text, or the text at
// the returned address.
std::string readAnswer(char* value, intptr_t result) {
    if (record().reader == standin::variableReaderFor(standin::ReaderStyle::Sdk)) {
        char* stored = *reinterpret_cast<char**>(value);
        std::string text = stored ? std::string(stored) : std::string();
        if (stored) GlobalFree(stored);
        return text;
    }
    return value[0] ? std::string(value) : (result ? std::string(reinterpret_cast<char*>(result)) : "");
}

int32_t WINAPI initialize(HWND window) {
    record().order.push_back("nbInitialize");
    record().initializeWindow = window;
    return 0;
}

int32_t WINAPI initPlugIn(HWND window, char** title, char** publisher, char** hint) {
    record().order.push_back("nbInitPlugIn");
    record().initPlugInWindow = window;
    *title = standin::newTextBlock("Fake");
    *publisher = standin::newTextBlock("Fakers");
    *hint = standin::newTextBlock("A fake plug-in");
    return 0;
}

int32_t WINAPI getPluginInfo(char** title, char** description, intptr_t) {
    record().order.push_back("nbGetPluginInfo");
    *title = standin::newTextBlock("Fake info");
    *description = standin::newTextBlock("Fake description");
    return 0;
}

int32_t WINAPI registerPlugIn(void* registerAction, intptr_t value, void* reader, void* setter) {
    record().order.push_back("nbRegisterPlugIn");
    record().registerValue = value;
    record().reader = reader;
    record().setter = setter;
    auto callback = reinterpret_cast<RegisterCallback>(registerAction);
    registerOne(callback, kEcho, "Fake_Echo", 2);
    registerOne(callback, kRun, "Fake_Run", 1);
    registerOne(callback, kRead, "Fake_Read", 1);
    registerOne(callback, kNothing, "Fake_Nothing", 0);
    return 0;
}

int32_t WINAPI registerScriptProcessor(void* processor) {
    record().order.push_back("nbRegisterScriptProcessor");
    record().scriptProcessor = processor;
    return 0;
}

int32_t WINAPI execAction(int32_t action, char** params) {
    if (!params) {
        record().nullArray = true;
        return 0;
    }
    switch (action) {
        case kEcho:
            record().execParams.push_back({param(params, 0), param(params, 1)});
            setHostVariable("[Echo]", param(params, 0) + "|" + param(params, 1));
            return 7;
        case kRun: {
            char* line = standin::newTextBlock(param(params, 0));
            reinterpret_cast<ScriptCallback>(record().scriptProcessor)(line);
            GlobalFree(line);
            return 1;
        }
        case kRead: {
            auto* name = static_cast<char*>(GlobalAlloc(GPTR, 260));
            auto* value = static_cast<char*>(GlobalAlloc(GPTR, 4096));
            const std::string wanted = param(params, 0);
            std::memcpy(name, wanted.c_str(), wanted.size() + 1);
            const intptr_t result = reinterpret_cast<ReadCallback>(record().reader)(name, value);
            const std::string got = readAnswer(value, result);
            GlobalFree(name);
            GlobalFree(value);
            setHostVariable("[ReadBack]", got);
            return 1;
        }
        case kNothing:
            return 1;
        default:
            return 0;
    }
}

int32_t WINAPI editAction(int32_t action, char** params) {
    if (action != kEcho) return 1;
    // Replaces the first parameter and frees the host's old text, as the SDK's editors do.
    char* edited = standin::newTextBlock("edited " + param(params, 0));
    GlobalFree(params[0]);
    params[0] = edited;
    return 1;
}

int32_t WINAPI message(int32_t code, intptr_t) {
    record().messages.push_back(code);
    return 0;
}

}  // namespace

Record& record() {
    static Record instance;
    return instance;
}

standin::EntryPoints entryPoints() {
    return standin::EntryPoints{
        initialize, initPlugIn, getPluginInfo, registerPlugIn, registerScriptProcessor,
        execAction, editAction, message};
}

void startWithFake(standin::ReaderStyle reader) {
    standin::HostSession& state = standin::session();
    record() = Record{};
    state.record = standin::PluginRecord{};
    state.variables.clear();
    state.outcome = standin::Outcome{};
    state.lastResult = 0;
    state.readCount = 0;
    state.options.reader = reader;
    state.plugin.adopt(entryPoints());
    standin::introducePlugin(state.publication.hostWindow());
}

ScriptRun runScript(std::string_view text) {
    standin::HostSession& state = standin::session();
    ScriptRun run;
    const standin::ParsedProgram parsed = standin::parseProgram(
        text, [&state](std::string_view command) { return standin::arityOf(state, command); });
    run.errors = parsed.errors;
    if (!run.errors.empty()) return run;
    QuietOutput quiet;
    standin::Interpreter interpreter(state, parsed.program, "test.hls");
    state.running = &interpreter;
    run.flow = interpreter.runMain();
    state.running = nullptr;
    return run;
}

QuietOutput::QuietOutput() {
    // STANDIN_TEST_OUTPUT=1 shows what the host reports during the tests.
    char shown[4] = {};
    if (GetEnvironmentVariableA("STANDIN_TEST_OUTPUT", shown, sizeof shown) > 0) return;
    std::fflush(stdout);
    saved_ = _dup(1);
    const int nothing = _open("NUL", _O_WRONLY);
    if (nothing >= 0) {
        _dup2(nothing, 1);
        _close(nothing);
    }
}

QuietOutput::~QuietOutput() {
    std::fflush(stdout);
    if (saved_ >= 0) {
        _dup2(saved_, 1);
        _close(saved_);
    }
}

}  // namespace fake
