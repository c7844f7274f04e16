#include "soak_script.h"

#include <algorithm>

#include "hostile_values.h"
#include "soak_random.h"

namespace soak {

namespace {

constexpr int kSubroutines = 6;  // SkinSub1 .. SkinSub6; each calls only higher numbers
constexpr int kMaxExtraPages = 3;
constexpr int kMaxDialogs = 2;
constexpr int kMaxSoakControls = 24;
constexpr int kEventChance = 35;     // percent of actions preceded by a window event
constexpr int kProgressEvery = 500;  // a line of progress, which also tells where a hang is
// Growth of the heaps from after warming up to after the final Reset that still counts as
// flat. Under Wine the system fills a cache of 296-byte blocks during the first thousand or
// so actions (about 230 blocks, 67 KB, then no more, however long the soak); a leak of the
// texts of one variable write per action would be 2 blocks an action.
constexpr int kHeapBlockSlack = 512;
constexpr int kHeapByteSlack = 131072;
constexpr int kDeadHandleVariables = 32;

// Windows of the first page that live for the whole file.
const std::vector<std::string> kStableWindows = {
    "Label1",  "Edit",     "Memo",   "Rich",   "List",   "ComboList",  "Combo",
    "Button1", "Button2",  "Check1", "Check2", "Check3", "Group",      "Radio1",
    "Radio2",  "Radio3",   "TrackH", "TrackV", "Scroll", "Progress",   "UpDownEdit",
    "UpDown",  "ListView", "Tree",   "Tabs",   "Label2", "HostWindow", "Page1"};
const std::vector<std::string> kHostObjects = {"HostCheck1", "HostCheck2", "HostCheck3", "HostRadio1",
                                               "HostRadio2", "HostRadio3", "HostTrack1", "HostTrack2"};
// Windows that take clicks without starting a modal drag loop.
const std::vector<std::string> kClickable = {"Check1",  "Check2",  "Check3", "Radio1", "Radio2", "Radio3",
                                             "Button1", "Button2", "Edit",   "List",   "TrackH", "Label1"};
const std::vector<std::string> kVariables = {"Agree",   "Notify",   "Remember", "Size",    "Volume",
                                             "Balance", "SoakVar1", "SoakVar2", "[Agree]", "[Size]"};

struct ControlClass {
    const char* windowClass;
    const char* style;  // added to WS_CHILD | WS_VISIBLE
    bool clickable;
};
const ControlClass kControlClasses[] = {{"Button", "0", true},
                                        {"Button", "3", true},
                                        {"Button", "9", true},
                                        {"Button", "5", true},
                                        {"Button", "7", false},
                                        {"Edit", "0x800000", true},
                                        {"Static", "0", true},
                                        {"ListBox", "0x800001", true},
                                        {"ComboBox", "2", false},
                                        {"msctls_trackbar32", "0", true},
                                        {"msctls_progress32", "0", false},
                                        {"SysListView32", "1", false},
                                        {"SysTreeView32", "0", false},
                                        {"SysTabControl32", "0", false},
                                        {"ScrollBar", "0", false},
                                        {"RICHEDIT50W", "4", false}};

struct LiveWindow {
    std::string name;
    std::string page;  // the page it is on; empty for dialogs
    bool clickable = false;
    bool hostObject = false;
};

// The script's literal: the quote doubled inside.
std::string quotedWith(char quote, const std::string& text) {
    std::string out(1, quote);
    for (char c : text) {
        out += c;
        if (c == quote) out += c;
    }
    return out + quote;
}

std::string quoted(const std::string& text) { return quotedWith('\'', text); }
std::string doubleQuoted(const std::string& text) { return quotedWith('"', text); }

class Writer {
public:
    Writer(const SoakPlan& plan) : plan_(plan), random_(plan.seed) {}

    SoakScript run();

private:
    void line(const std::string& text) { out_ += text + "\n"; }
    // An action with its check: [Skin.LastError] is cleared before and must be set after;
    // BeginUpdate and EndUpdate must leave it alone.
    void action(const std::string& call, bool reportsOutcome = true);
    void randomAction(bool inSubroutine);
    void event();

    std::string handleParameter(bool inSubroutine);
    std::string skinParameter();
    std::string subroutineParameter(bool inSubroutine);
    std::string variableParameter();

    void createControl();
    void createHostObject();
    void destroyControl();
    void pageEvent();
    void dialogEvent();
    void mouseEvent();
    void exercise(const std::vector<std::string>& windows);
    void warmUp();
    void cleanUp();
    void finalChecks();
    void subroutines();

    [[nodiscard]] std::string fresh(const char* prefix) { return prefix + std::to_string(++serial_); }
    [[nodiscard]] std::vector<LiveWindow*> livingControls(bool clickableOnly);
    void killControlsOn(const std::string& page);
    void rememberDeadHandle(const std::string& window);

    const SoakPlan& plan_;
    Random random_;
    std::string out_;
    int serial_ = 0;
    int* counter_ = nullptr;
    int mainActions_ = 0;
    int subroutineActions_ = 0;
    int currentSubroutine_ = 0;  // while writing SkinSubN, N
    std::vector<LiveWindow> controls_;
    std::vector<std::string> pages_;  // extra pages
    std::string currentPage_ = "Page1";
    std::vector<std::string> dialogs_;
    std::vector<std::string> deadHandles_;  // variables holding handles of destroyed windows
    int deadSerial_ = 0;
};

void Writer::action(const std::string& call, bool reportsOutcome) {
    if (reportsOutcome) {
        line("SetVar \"[Skin.LastError]\" \"\"");
        line(call);
        line("AssertNe \"[Skin.LastError]\" \"\"");
    } else {
        line("SetVar \"[Skin.LastError]\" \"untouched\"");
        line(call);
        line("AssertEq \"[Skin.LastError]\" \"untouched\"");
    }
    if (counter_) ++*counter_;
}

std::string Writer::handleParameter(bool inSubroutine) {
    const int roll = random_.between(0, 9);
    if (roll <= 3) {  // a host object: what the Bind actions are for
        line("GetHandle \"" + random_.pick(kHostObjects) + "\" \"[h]\"");
        return "\"[h]\"";
    }
    if (roll <= 5) {  // a window of another kind
        line("GetHandle \"" + random_.pick(kStableWindows) + "\" \"[h]\"");
        return "\"[h]\"";
    }
    if (roll == 6 && !inSubroutine) {
        const auto living = livingControls(false);
        if (!living.empty()) {
            line("GetHandle \"" + random_.pick(living)->name + "\" \"[h]\"");
            return "\"[h]\"";
        }
    }
    if (roll <= 8 && !deadHandles_.empty() && !inSubroutine) return "\"" + random_.pick(deadHandles_) + "\"";
    if (random_.percent(30)) return "\"[Host.Window]\"";
    return quoted(random_.percent(70) ? bogusHandleText(random_) : hostileText(random_));
}

std::string Writer::skinParameter() {
    const int roll = random_.between(0, 9);
    if (roll <= 3 && !plan_.gallerySkins.empty())
        return doubleQuoted("[PubDir]gallery\\" + random_.pick(plan_.gallerySkins));
    if (roll <= 7 && !plan_.hostileSkins.empty())
        return doubleQuoted("[PubDir]hostile\\" + random_.pick(plan_.hostileSkins));
    if (roll == 8)
        return doubleQuoted(random_.pick({"[PubDir]hostile", "[PubDir]missing.ini", "NUL", "CON",
                                          "\\\\.\\NUL", "[PubDir]gallery\\", "Z:\\", "*.ini"}));
    return quoted(hostileText(random_));
}

std::string Writer::subroutineParameter(bool inSubroutine) {
    // Only labels that exist: the host stops a script at a GoSub to an unknown label.
    if (random_.percent(50)) return random_.pick({"''", "'   '"});
    if (inSubroutine) {
        if (currentSubroutine_ >= kSubroutines || random_.percent(30)) return "'SkinSubRecurse'";
        return quoted("SkinSub" + std::to_string(random_.between(currentSubroutine_ + 1, kSubroutines)));
    }
    if (random_.percent(10)) return "'SkinSubRecurse'";
    return quoted(std::string(random_.percent(20) ? " " : "") + "SkinSub" +
                  std::to_string(random_.between(1, kSubroutines)));
}

std::string Writer::variableParameter() {
    return quoted(random_.percent(75) ? random_.pick(kVariables) : hostileText(random_));
}

void Writer::randomAction(bool inSubroutine) {
    const int number = random_.between(1, 16);
    const std::string& name = actionNames()[static_cast<size_t>(number - 1)];
    switch (number) {
        case 1: {
            const std::string skin = skinParameter();
            // Subroutines only apply skins that run further subroutines from inside the
            // chain, so the nesting stays finite (and the plug-in cuts SkinSubRecurse).
            action(name + " " + skin + " " + subroutineParameter(inSubroutine));
            break;
        }
        case 2:
            action(name + " " + quoted(modeText(random_)));
            break;
        case 3:
            action(name + " " + quoted(colourText(random_)) + " " + quoted(colourText(random_)) + " " +
                   quoted(colourText(random_)));
            break;
        case 4:
            action(name + " " + quoted(colourText(random_)) + " " + quoted(colourText(random_)));
            break;
        case 6:
            action(name + " " + quoted(switchText(random_)));
            break;
        case 9:
        case 10:
            action(name, false);
            break;
        case 11:
            action(name + " " + quoted(colourText(random_)) + " " + quoted(switchText(random_)));
            break;
        case 13: {
            const std::string handle = handleParameter(inSubroutine);
            action(name + " " + handle + " " + variableParameter() + " " + quoted(numberText(random_)) + " " +
                   quoted(numberText(random_)) + " " + quoted(numberText(random_)) + " " +
                   quoted(colourText(random_)));
            break;
        }
        case 14: {
            const std::string handle = handleParameter(inSubroutine);
            action(name + " " + handle + " " + variableParameter() + " " +
                   quoted(random_.percent(50) ? random_.pick({"True", "False", "1", "yes"})
                                              : hostileText(random_)) +
                   " " + quoted(colourText(random_)));
            break;
        }
        case 15: {
            const std::string handle = handleParameter(inSubroutine);
            action(name + " " + handle + " " + variableParameter() + " " +
                   quoted(random_.pick({"Small", "Medium", "Large", ""})) + " " +
                   quoted(random_.percent(60) ? random_.pick({"Small", "Medium", "Large"})
                                              : hostileText(random_)) +
                   " " + quoted(colourText(random_)));
            break;
        }
        case 16:
            action(name + " " + handleParameter(inSubroutine));
            break;
        default:
            action(name);
            break;  // Refresh, Reset, GetInfo, ListWindows: no parameters
    }
}

std::vector<LiveWindow*> Writer::livingControls(bool clickableOnly) {
    std::vector<LiveWindow*> living;
    for (LiveWindow& control : controls_)
        if (!clickableOnly || control.clickable) living.push_back(&control);
    return living;
}

// Keeps the handle of a window about to be destroyed, for actions that get a dead handle.
// The variables are reused in a ring, so that a long soak adds no host variables.
void Writer::rememberDeadHandle(const std::string& window) {
    const std::string variable = "[Dead" + std::to_string(deadSerial_++ % kDeadHandleVariables + 1) + "]";
    line("GetHandle \"" + window + "\" \"" + variable + "\"");
    if (std::find(deadHandles_.begin(), deadHandles_.end(), variable) == deadHandles_.end())
        deadHandles_.push_back(variable);
}

void Writer::killControlsOn(const std::string& page) {
    for (const LiveWindow& control : controls_)
        if (control.page == page && random_.percent(30)) {
            rememberDeadHandle(control.name);
        }
    std::erase_if(controls_, [&page](const LiveWindow& control) { return control.page == page; });
}

void Writer::createControl() {
    const ControlClass& kind = random_.pick(kControlClasses);
    const std::string name = fresh("C");
    // Captions stay tame: Wine's own edit control crashes on some characters (0x98, a small
    // tilde in code page 1252) before the plug-in is involved at all.
    const std::string caption = random_.pick({"", "OK", "Caption", "\xE9t\xE9 \xFC\xDF", "?????", "[x]"}) +
                                std::string(static_cast<size_t>(random_.between(0, 3)) * 100, 'w');
    line("CreateControl \"" + std::string(kind.windowClass) + "\" \"" + name + "\" " + quoted(caption) + " " +
         std::to_string(random_.between(0, 760)) + " " + std::to_string(random_.between(0, 540)) + " " +
         std::to_string(random_.between(1, 200)) + " " + std::to_string(random_.between(1, 120)) + " " +
         kind.style);
    controls_.push_back({name, currentPage_, kind.clickable, false});
}

void Writer::createHostObject() {
    const std::string name = fresh("O");
    const int kind = random_.between(0, 2);
    const std::string variable = random_.pick({"SoakVar1", "SoakVar2", "Size", "Agree", "Volume"});
    const std::string captionOrRange =
        kind == 2 ? random_.pick({"0,100", "-50,50", "1,2"}) : random_.pick({"Small", "Medium", "Soak", ""});
    line("HostObject " +
         std::string(kind == 0   ? "check"
                     : kind == 1 ? "radio"
                                 : "track") +
         " \"" + name + "\" \"" + captionOrRange + "\" " + std::to_string(random_.between(0, 700)) + " " +
         std::to_string(random_.between(0, 560)) + " " + std::to_string(random_.between(10, 260)) + " " +
         std::to_string(random_.between(10, 40)) + " \"" + variable + "\"");
    controls_.push_back({name, currentPage_, true, true});
    if (random_.percent(50)) {  // bind it now, so it may die bound
        line("GetHandle \"" + name + "\" \"[h]\"");
        const char* bind = kind == 0   ? "Hueloom_BindCheck \"[h]\" 'SoakVar1' 'True' ''"
                           : kind == 1 ? "Hueloom_BindRadio \"[h]\" 'SoakVar2' 'Soak' 'Soak' ''"
                                       : "Hueloom_BindTrack \"[h]\" 'Volume' '30' '0' '100' ''";
        action(bind);
    }
}

void Writer::destroyControl() {
    if (controls_.empty()) return;
    const size_t which = random_.index(controls_.size());
    const LiveWindow control = controls_[which];
    if (random_.percent(70)) {
        rememberDeadHandle(control.name);
    }
    line("Destroy \"" + control.name + "\"");
    controls_.erase(controls_.begin() + static_cast<std::ptrdiff_t>(which));
}

void Writer::pageEvent() {
    const int roll = random_.between(0, 2);
    if (roll == 0 && static_cast<int>(pages_.size()) < kMaxExtraPages) {
        pages_.push_back(fresh("P"));
        // Half the pages get their windows only when they are shown, after host message 6.
        line("NewPage \"" + pages_.back() + "\"" + (random_.percent(50) ? " later" : ""));
        return;
    }
    if (roll == 1 || pages_.empty()) {
        std::vector<std::string> all = pages_;
        all.push_back("Page1");
        currentPage_ = random_.pick(all);
        line("ShowPage \"" + currentPage_ + "\"");
        return;
    }
    const std::string page = random_.pick(pages_);
    if (page == currentPage_) return;
    if (random_.percent(50)) {
        rememberDeadHandle(page);
    }
    killControlsOn(page);
    line("ClosePage \"" + page + "\"");
    std::erase(pages_, page);
}

void Writer::dialogEvent() {
    if (!dialogs_.empty() && (static_cast<int>(dialogs_.size()) >= kMaxDialogs || random_.percent(50))) {
        const std::string dialog = random_.pick(dialogs_);
        rememberDeadHandle(dialog + ".Check");
        line("CloseDialog \"" + dialog + "\"");
        std::erase(dialogs_, dialog);
        return;
    }
    dialogs_.push_back(fresh("D"));
    line("OpenDialog \"" + dialogs_.back() + "\"");
}

void Writer::mouseEvent() {
    std::string target;
    const auto living = livingControls(true);
    const int roll = random_.between(0, 9);
    if (roll <= 4)
        target = random_.pick(kHostObjects);
    else if (roll <= 7 || living.empty())
        target = random_.pick(kClickable);
    else
        target = random_.pick(living)->name;
    if (!dialogs_.empty() && random_.percent(10)) target = random_.pick(dialogs_) + ".Check";
    const std::string x = std::to_string(random_.between(-20, 300));
    const std::string y = std::to_string(random_.between(-10, 60));
    switch (random_.between(0, 4)) {
        case 0:
            line("Click \"" + target + "\"");
            break;
        case 1:
            line("Click \"" + target + "\" " + x + " " + y);
            break;
        case 2:
            line("Drag \"" + target + "\" " + x + " " + y + " " + std::to_string(random_.between(-20, 300)) +
                 " " + std::to_string(random_.between(-10, 60)));
            break;
        case 3:
            line("MouseMove \"" + target + "\" " + x + " " + y);
            break;
        default:
            line("MouseLeave \"" + target + "\"");
            break;
    }
}

void Writer::event() {
    const int roll = random_.between(0, 99);
    if (roll < 14) {
        if (static_cast<int>(controls_.size()) < kMaxSoakControls)
            createControl();
        else
            destroyControl();
    } else if (roll < 20) {
        if (static_cast<int>(controls_.size()) < kMaxSoakControls) createHostObject();
    } else if (roll < 32)
        destroyControl();
    else if (roll < 38)
        pageEvent();
    else if (roll < 44)
        dialogEvent();
    else if (roll < 50)
        line("HostMessage " + std::string(random_.pick({"1", "2", "6", "6"})));
    else if (roll < 62)
        line("Pump " +
             std::to_string(random_.percent(10) ? random_.between(300, 700) : random_.between(0, 120)));
    else
        mouseEvent();
}

// Presses, drags and hovers every window the soak clicks, so that the visual style has
// loaded the image of every state it draws.
void Writer::exercise(const std::vector<std::string>& windows) {
    for (const std::string& window : windows) {
        line("Drag \"" + window + "\" 5 5 20 10");
        line("Click \"" + window + "\"");
        line("MouseMove \"" + window + "\" 6 6");
        line("MouseLeave \"" + window + "\"");
    }
}

void Writer::warmUp() {
    line("# Warming up: every kind of window, object, binding, skin and button state the soak");
    line("# uses, once in each look, so that the system's caches are filled before the GDI");
    line("# handles are counted.");
    line("CountSubclassed \"[SubclassedAtStart]\"");
    std::vector<std::string> warm = kClickable;
    warm.insert(warm.end(), kHostObjects.begin(), kHostObjects.end());
    int index = 0;
    for (const ControlClass& kind : kControlClasses) {
        const std::string name = "Warm" + std::to_string(++index);
        line("CreateControl \"" + std::string(kind.windowClass) + "\" \"" + name + "\" 'warm' " +
             std::to_string(10 + 40 * index) + " 420 38 40 " + kind.style);
        if (kind.clickable) warm.push_back(name);
    }
    line("HostObject check \"WarmCheck\" \"Warm\" 600 420 200 22 \"SoakVar1\"");
    line("HostObject radio \"WarmRadio\" \"Warm\" 600 450 200 22 \"SoakVar2\"");
    line("HostObject track \"WarmTrack\" \"0,100\" 600 480 200 30 \"Volume\"");
    for (const char* object : {"WarmCheck", "WarmRadio", "WarmTrack"}) warm.push_back(object);
    const char* looks[] = {"Hueloom_SetMode 'Dark'", "Hueloom_SetAccent '' 'off'", "Hueloom_SetMode 'Light'",
                           "Hueloom_Reset"};
    for (const char* look : looks) {
        action(look);
        for (const char* object : {"WarmCheck", "HostCheck1"}) {
            line(std::string("GetHandle \"") + object + "\" \"[h]\"");
            action("Hueloom_BindCheck \"[h]\" 'Agree' 'True' ''");
        }
        line("GetHandle \"WarmRadio\" \"[h]\"");
        action("Hueloom_BindRadio \"[h]\" 'SoakVar2' 'Warm' 'Warm' ''");
        line("GetHandle \"WarmTrack\" \"[h]\"");
        action("Hueloom_BindTrack \"[h]\" 'Volume' '30' '0' '100' ''");
        exercise(warm);
        line("Pump 300");
    }
    line("NewPage \"WarmPage\"");
    line("ShowPage \"WarmPage\"");
    line("OpenDialog \"WarmDialog\"");
    exercise({"WarmPage.Check", "WarmPage.Radio1", "WarmPage.Button", "WarmDialog.Check", "WarmDialog.List"});
    action("Hueloom_SetMode 'Dark'");
    exercise({"WarmPage.Check", "WarmPage.Radio1", "WarmPage.Button", "WarmDialog.Check", "WarmDialog.List"});
    line("Pump 300");
    line("CloseDialog \"WarmDialog\"");
    line("ShowPage \"Page1\"");
    line("ClosePage \"WarmPage\"");
    for (const std::string& skin : plan_.gallerySkins)
        action("Hueloom_Apply " + doubleQuoted("[PubDir]gallery\\" + skin) + " ''");
    for (const std::string& skin : plan_.hostileSkins)
        action("Hueloom_Apply " + doubleQuoted("[PubDir]hostile\\" + skin) + " ''");
    action("Hueloom_ListWindows");
    action("Hueloom_GetInfo");
    for (int i = 1; i <= index; ++i) line("Destroy \"Warm" + std::to_string(i) + "\"");
    for (const char* object : {"WarmCheck", "WarmRadio", "WarmTrack"})
        line(std::string("Destroy \"") + object + "\"");
    line("Pump 300");
    // The stock look is painted once more, as at the end; the heaps are counted in that
    // state, as they are at the end.
    action("Hueloom_Reset");
    line("HostMessage 2");
    line("Pump 300");
    line("HeapUse \"[HeapBlocksAtStart]\" \"[HeapBytesAtStart]\"");
    action("Hueloom_SetMode 'Dark'");
    line("Pump 300");
    line("GdiFree \"[GdiAtStart]\"");
    line("GdiFree \"[GdiBesideBitmapsAtStart]\" \"BITMAP\"");
    line("GdiTypes \"[GdiTypesAtStart]\"");
    line("Print \"soak: free GDI handles after warming up: [GdiAtStart] ([GdiTypesAtStart])\"");
    line("Print \"soak: heap after warming up: [HeapBlocksAtStart] blocks, [HeapBytesAtStart] bytes\"");
    // A run that makes system calls fail starts after this, once the probes have counted.
    line("SetVar \"" + std::string(kWarmedUpVariable) + "\" \"1\"");
}

void Writer::cleanUp() {
    line("# Everything the soak made goes again.");
    for (const std::string& dialog : dialogs_) line("CloseDialog \"" + dialog + "\"");
    dialogs_.clear();
    if (currentPage_ != "Page1") line("ShowPage \"Page1\"");
    currentPage_ = "Page1";
    for (const std::string& page : pages_) {
        killControlsOn(page);
        line("ClosePage \"" + page + "\"");
    }
    pages_.clear();
    for (const LiveWindow& control : controls_) line("Destroy \"" + control.name + "\"");
    controls_.clear();
}

void Writer::finalChecks() {
    action("Hueloom_Reset");
    line("HostMessage 2");
    line("Pump 300");
    line("CountFrozen \"[Frozen]\"");
    line("AssertEq \"[Frozen]\" \"0\"");
    line("CountWindows \"HueloomOverlay\" \"[Overlays]\"");
    line("AssertEq \"[Overlays]\" \"0\"");
    line("CountSubclassed \"[SubclassedAtEnd]\"");
    line("AssertEq \"[SubclassedAtEnd]\" \"[SubclassedAtStart]\"");
    line("GdiFree \"[GdiAtEnd]\"");
    line("GdiFree \"[GdiBesideBitmapsAtEnd]\" \"BITMAP\"");
    line("GdiTypes \"[GdiTypesAtEnd]\"");
    line("Print \"soak: free GDI handles after warming up [GdiAtStart], after the final Reset [GdiAtEnd] "
         "([GdiTypesAtEnd])\"");
    // The plug-in makes no bitmap; the visual style loads the images of a part the first
    // time a control draws it, in whatever state, and keeps them. Those may differ, nothing
    // else may.
    line("AssertEq \"[GdiBesideBitmapsAtEnd]\" \"[GdiBesideBitmapsAtStart]\"");
    line("HeapUse \"[HeapBlocksAtEnd]\" \"[HeapBytesAtEnd]\"");
    line("Print \"soak: heap after warming up [HeapBlocksAtStart] blocks, [HeapBytesAtStart] bytes; after the "
         "final Reset [HeapBlocksAtEnd] blocks, [HeapBytesAtEnd] bytes\"");
    line("AssertAtMost \"[HeapBlocksAtEnd]\" \"[HeapBlocksAtStart]\" " + std::to_string(kHeapBlockSlack));
    line("AssertAtMost \"[HeapBytesAtEnd]\" \"[HeapBytesAtStart]\" " + std::to_string(kHeapByteSlack));
    line("Print \"soak: done\"");
    line("End");
}

void Writer::subroutines() {
    counter_ = &subroutineActions_;
    for (int n = 1; n <= kSubroutines; ++n) {
        currentSubroutine_ = n;
        line("");
        line(":SkinSub" + std::to_string(n));
        const int count = random_.between(1, 4);
        for (int i = 0; i < count; ++i) randomAction(true);
        if (n < kSubroutines && random_.percent(40))
            line("GoSub \"SkinSub" + std::to_string(random_.between(n + 1, kSubroutines)) + "\"");
        line("Return");
    }
    // Applies itself until the plug-in refuses to nest any deeper.
    line("");
    line(":SkinSubRecurse");
    action("Hueloom_Apply " +
           doubleQuoted("[PubDir]gallery\\" +
                        (plan_.gallerySkins.empty() ? std::string("none.ini") : plan_.gallerySkins.front())) +
           " 'SkinSubRecurse'");
    line("Return");
}

SoakScript Writer::run() {
    const std::string seed = std::to_string(plan_.seed);
    const std::string count = std::to_string(plan_.actions);
    line("# Soak of the plug-in, seed " + seed + ", " + count +
         " actions. Generated by tools/soak/soak_gen;");
    line("# replay with: scripts/run-soak.sh --seed " + seed + " --actions " + count);
    line("Print \"soak: seed " + seed + ", " + count + " actions\"");
    warmUp();
    line("# The soak.");
    counter_ = &mainActions_;
    int nextProgress = kProgressEvery;
    while (mainActions_ < plan_.actions) {
        if (random_.percent(kEventChance)) {
            event();
            if (random_.percent(30)) event();
        }
        randomAction(false);
        if (mainActions_ >= nextProgress) {
            line("Print \"soak: " + std::to_string(mainActions_) + " actions\"");
            nextProgress += kProgressEvery;
        }
    }
    counter_ = nullptr;
    cleanUp();
    finalChecks();
    subroutines();
    return SoakScript{out_, mainActions_, subroutineActions_};
}

}  // namespace

const std::vector<std::string>& actionNames() {
    static const std::vector<std::string> names = {
        "Hueloom_Apply",       "Hueloom_SetMode",     "Hueloom_SetColors", "Hueloom_SetTitleBar",
        "Hueloom_Refresh",     "Hueloom_AutoRefresh", "Hueloom_Reset",     "Hueloom_GetInfo",
        "Hueloom_BeginUpdate", "Hueloom_EndUpdate",   "Hueloom_SetAccent", "Hueloom_ListWindows",
        "Hueloom_BindTrack",   "Hueloom_BindCheck",   "Hueloom_BindRadio", "Hueloom_Unbind"};
    return names;
}

SoakScript writeSoakScript(const SoakPlan& plan) {
    return Writer(plan).run();
}

}  // namespace soak
