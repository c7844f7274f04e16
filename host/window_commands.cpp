// Pages, dialogs, controls and host objects: creating, finding, changing and clicking them.
#include "alert_box.h"
#include "checked_call.h"
#include "command_table.h"
#include "console.h"
#include "controls.h"
#include "foreign_memory.h"
#include "host_objects.h"
#include "host_session.h"
#include "mouse_input.h"
#include "plugin_api.h"
#include "text_util.h"

namespace standin {

namespace {

// The named window of parameter `index`; reports and gives null when there is none.
HWND windowArg(const Call& call, size_t index, const NamedWindow** found = nullptr) {
    const std::string name = call.text(index);
    const NamedWindow* named = call.session.publication.find(name);
    if (!named) {
        (void)call.fail("no window named '" + name + "'");
        return nullptr;
    }
    if (found) *found = named;
    return named->window;
}

bool numbersArgs(const Call& call, size_t first, size_t count, int* out, Flow& flow) {
    for (size_t i = 0; i < count; ++i) {
        const auto value = call.number(first + i);
        if (!value) {
            flow = call.notANumber(first + i);
            return false;
        }
        out[i] = *value;
    }
    return true;
}

// A real mouse never reaches a disabled window; say so instead of sending anything.
bool reachableByMouse(const Call& call, HWND window) {
    if (IsWindowEnabled(window)) return true;
    say(call.where() + ": note: '" + call.text(0) + "' is disabled; the mouse does not reach it");
    return false;
}

Flow hostObject(const Call& call) {
    const std::string kindWord = call.text(0);
    const auto kind = parseHostObjectKind(kindWord);
    if (!kind) return call.fail("HostObject kind must be check, radio or track, not '" + kindWord + "'");
    const std::string name = call.text(1);
    if (name.empty() || call.session.publication.isTaken(name))
        return call.fail("the name '" + name + "' is empty or taken");
    HostObjectSetup setup;
    setup.kind = *kind;
    const std::string captionOrRange = call.text(2);
    if (*kind == HostObjectKind::Track) {
        const auto range = parseTrackRange(captionOrRange);
        if (!range)
            return call.fail("a track bar's range is \"min,max\" with min below max, not '" + captionOrRange +
                             "'");
        setup.range = *range;
    } else {
        setup.caption = widen(captionOrRange);
    }
    int box[4] = {};
    Flow flow = Flow::Next;
    if (!numbersArgs(call, 3, 4, box, flow)) return flow;
    // The variable is named, not read: "Name" or "[Name]", never substituted.
    const std::string variable(trimBlanks(call.raw(7)));
    if (variable.empty() || (variable.find_first_of("[]") != std::string::npos && !isBracketedName(variable)))
        return call.fail("a host object needs a variable name, such as \"Name\" or \"[Name]\"");
    setup.variable = bracketed(variable);
    HWND page = call.session.publication.currentPage();
    HWND object = createHostObject(page, setup, box[0], box[1], box[2], box[3]);
    if (!object)
        return call.fail("the object could not be created (error " + std::to_string(GetLastError()) + ")");
    call.session.publication.add(name, object, WindowRole::HostObject);
    return Flow::Next;
}

Flow createControl(const Call& call) {
    const std::string className = call.text(0);
    const std::string name = call.text(1);
    if (name.empty() || call.session.publication.isTaken(name))
        return call.fail("the name '" + name + "' is empty or taken");
    int box[4] = {};
    Flow flow = Flow::Next;
    if (!numbersArgs(call, 3, 4, box, flow)) return flow;
    DWORD style = 0;
    if (call.count() == 8) {
        const auto extra = parseInteger(call.text(7));
        if (!extra || *extra < 0 || *extra > 0xFFFFFFFFLL) return call.notANumber(7);
        style = static_cast<DWORD>(*extra);
    }
    const std::wstring windowClass = widen(className);
    HWND control = createChild(call.session.publication.currentPage(), windowClass.c_str(),
                               widen(call.text(2)), style, Box{box[0], box[1], box[2], box[3]});
    if (!control)
        return call.fail("no '" + className + "' window could be created (error " +
                         std::to_string(GetLastError()) + "); host objects are made with HostObject");
    call.session.publication.add(name, control, WindowRole::Control);
    return Flow::Next;
}

Flow destroy(const Call& call) {
    const NamedWindow* named = nullptr;
    HWND window = windowArg(call, 0, &named);
    if (!window) return Flow::Failed;
    if (named->role == WindowRole::Host || named->role == WindowRole::Page ||
        named->role == WindowRole::Dialog)
        return call.fail("'" + named->name +
                         "' is not a control or host object (dialogs close with CloseDialog)");
    DestroyWindow(window);
    return Flow::Next;
}

Flow getHandle(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    const auto variable = call.variableName(1);
    if (!variable) return Flow::Failed;
    call.session.setVariable(*variable, std::to_string(reinterpret_cast<uintptr_t>(window)));
    return Flow::Next;
}

Flow moveWindow(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    int xy[2] = {};
    Flow flow = Flow::Next;
    if (!numbersArgs(call, 1, 2, xy, flow)) return flow;
    SetWindowPos(window, nullptr, xy[0], xy[1], 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return Flow::Next;
}

Flow resizeWindow(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    int size[2] = {};
    Flow flow = Flow::Next;
    if (!numbersArgs(call, 1, 2, size, flow)) return flow;
    if (size[0] < 0 || size[1] < 0) return call.fail("a size cannot be negative");
    SetWindowPos(window, nullptr, 0, 0, size[0], size[1], SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return Flow::Next;
}

template <int Command>
Flow showWindow(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    ShowWindow(window, Command);
    call.session.publication.noteShown(window, Command != SW_HIDE);
    return Flow::Next;
}

template <BOOL Enable>
Flow enableWindow(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    EnableWindow(window, Enable);
    return Flow::Next;
}

Flow click(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    POINT point = clientCentre(window);
    if (call.count() == 3) {
        int xy[2] = {};
        Flow flow = Flow::Next;
        if (!numbersArgs(call, 1, 2, xy, flow)) return flow;
        point = POINT{xy[0], xy[1]};
    }
    if (reachableByMouse(call, window)) sendClick(window, point);
    return Flow::Next;
}

Flow drag(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    int points[4] = {};
    Flow flow = Flow::Next;
    if (!numbersArgs(call, 1, 4, points, flow)) return flow;
    if (reachableByMouse(call, window))
        sendDrag(window, POINT{points[0], points[1]}, POINT{points[2], points[3]});
    return Flow::Next;
}

Flow mouseMove(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    int xy[2] = {};
    Flow flow = Flow::Next;
    if (!numbersArgs(call, 1, 2, xy, flow)) return flow;
    if (reachableByMouse(call, window)) sendMouseMove(window, POINT{xy[0], xy[1]});
    return Flow::Next;
}

Flow mouseLeave(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    sendMouseLeave(window);
    return Flow::Next;
}

Flow focus(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    SetFocus(window);
    return Flow::Next;
}

Flow setCheck(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    const auto state = call.number(1);
    if (!state || *state < 0 || *state > 2) return call.fail("SetCheck takes 0, 1 or 2");
    SendMessageW(window, BM_SETCHECK, static_cast<WPARAM>(*state), 0);
    return Flow::Next;
}

Flow getCheck(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    const auto variable = call.variableName(1);
    if (!variable) return Flow::Failed;
    call.session.setVariable(*variable, std::to_string(SendMessageW(window, BM_GETCHECK, 0, 0)));
    return Flow::Next;
}

// The window's own WS_VISIBLE bit, whatever its parents show: what the host last did to it.
Flow getVisible(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    const auto variable = call.variableName(1);
    if (!variable) return Flow::Failed;
    call.session.setVariable(*variable, (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) ? "1" : "0");
    return Flow::Next;
}

Flow getText(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    const auto variable = call.variableName(1);
    if (!variable) return Flow::Failed;
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    call.session.setVariable(*variable, narrow(text));
    return Flow::Next;
}

Flow setText(const Call& call) {
    HWND window = windowArg(call, 0);
    if (!window) return Flow::Failed;
    const std::wstring text = widen(call.text(1));
    SetWindowTextW(window, text.c_str());
    return Flow::Next;
}

Flow reportIfFailed(const Call& call, const std::string& problem) {
    return problem.empty() ? Flow::Next : call.fail(problem);
}

Flow newPage(const Call& call) {
    bool buildOnShow = false;
    if (call.count() == 2) {
        if (!equalsFolded(call.text(1), "later")) return call.fail("NewPage takes a name and, optionally, later");
        buildOnShow = true;
    }
    return reportIfFailed(call, call.session.publication.newPage(call.text(0), buildOnShow));
}
// As the authoring tool does, the plug-in hears of the page change (host message 6) before
// the page is built and shown.
Flow showPage(const Call& call) {
    HostSession& session = call.session;
    const NamedWindow* page = session.publication.find(call.text(0));
    if (page && page->role == WindowRole::Page && page->window != session.publication.currentPage() &&
        session.plugin.usable())
        (void)callPlugin("nbMessage", session.plugin.entries().message, kMessagePageChanging, 0);
    return reportIfFailed(call, session.publication.showPage(call.text(0)));
}
Flow openDialog(const Call& call) {
    return reportIfFailed(call, call.session.publication.openDialog(call.text(0)));
}
Flow closeDialog(const Call& call) {
    return reportIfFailed(call, call.session.publication.closeDialog(call.text(0)));
}
Flow closePage(const Call& call) {
    return reportIfFailed(call, call.session.publication.closePage(call.text(0)));
}

// As an author's page-colour action: "R,G,B" colours every page, "" gives the default back.
Flow setPageColour(const Call& call) {
    const std::string text = call.text(0);
    if (trimBlanks(text).empty()) {
        call.session.publication.setPageColour(std::nullopt);
        return Flow::Next;
    }
    const auto rgb = parseRgb(text);
    if (!rgb) return call.fail("SetPageColour takes \"R,G,B\" or \"\", not '" + text + "'");
    call.session.publication.setPageColour(RGB((*rgb)[0], (*rgb)[1], (*rgb)[2]));
    return Flow::Next;
}

Flow menuBar(const Call& call) {
    bool on = true;
    if (call.count() == 1) {
        const std::string word = call.text(0);
        if (!equalsFolded(word, "on") && !equalsFolded(word, "off")) return call.fail("MenuBar takes on or off");
        on = equalsFolded(word, "on");
    }
    call.session.publication.setMenuBar(on);
    return Flow::Next;
}

Flow alertBox(const Call& call) {
    int answer = 0;
    const Flow flow = showAlert(call, widen(call.text(0)), call.count() == 2 ? call.text(1) : "", answer);
    call.session.setVariable("[Host.AlertResult]", std::to_string(answer));
    return flow;
}

constexpr CommandEntry kWindowCommands[] = {
    {"HostObject", Arity::exactly(8), hostObject},
    {"CreateControl", Arity::between(7, 8), createControl},
    {"Destroy", Arity::exactly(1), destroy},
    {"DestroyControl", Arity::exactly(1), destroy},
    {"GetHandle", Arity::exactly(2), getHandle},
    {"Move", Arity::exactly(3), moveWindow},
    {"Resize", Arity::exactly(3), resizeWindow},
    {"Hide", Arity::exactly(1), showWindow<SW_HIDE>},
    {"GetVisible", Arity::exactly(2), getVisible},
    {"Show", Arity::exactly(1), showWindow<SW_SHOWNA>},
    {"Enable", Arity::exactly(1), enableWindow<TRUE>},
    {"Disable", Arity::exactly(1), enableWindow<FALSE>},
    {"Click", Arity::exactly(1).orExactly(3), click},
    {"Drag", Arity::exactly(5), drag},
    {"MouseMove", Arity::exactly(3), mouseMove},
    {"MouseLeave", Arity::exactly(1), mouseLeave},
    {"Focus", Arity::exactly(1), focus},
    {"SetCheck", Arity::exactly(2), setCheck},
    {"GetCheck", Arity::exactly(2), getCheck},
    {"GetText", Arity::exactly(2), getText},
    {"SetText", Arity::exactly(2), setText},
    {"NewPage", Arity::between(1, 2), newPage},
    {"ShowPage", Arity::exactly(1), showPage},
    {"OpenDialog", Arity::exactly(1), openDialog},
    {"CloseDialog", Arity::exactly(1), closeDialog},
    {"ClosePage", Arity::exactly(1), closePage},
    {"SetPageColour", Arity::exactly(1), setPageColour},
    {"MenuBar", Arity::between(0, 1), menuBar},
    {"AlertBox", Arity::between(1, 2), alertBox},
};

}  // namespace

const CommandEntry* findWindowCommand(std::string_view name) {
    return findIn(kWindowCommands, name);
}

}  // namespace standin
