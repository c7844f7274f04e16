#include "plugin/dispatch.h"

#include <string>

#include "common/text.h"
#include "engine/auto_refresh.h"
#include "engine/theming_pass.h"
#include "engine/update_freeze.h"
#include "overlay/bindings.h"
#include "plugin/host_bridge.h"
#include "plugin/process_state.h"
#include "plugin/skin_variables.h"
#include "theme/skin_file.h"
#include "theme/theme_actions.h"

namespace hueloom {

namespace {

// Every parameter of an action is read before its handler runs.
struct Params {
    void* array;
    std::wstring at(int number) const { return HostBridge::getParam(array, number - 1); }
};

int32_t autoRefreshAction(const std::wstring& word) {
    if (isOffWord(word)) stopAutoRefresh();
    else startAutoRefresh();
    HostBridge::setVariable(L"[Skin.AutoRefresh]", process().autoRefresh.running ? L"1" : L"0");
    HostBridge::setLastError(L"OK");
    return 1;
}

int32_t bind(OverlayKind kind, BindTexts texts) { return bindOverlay(kind, texts); }

} // namespace

int32_t executeAction(int32_t number, void* array) {
    if (process().shuttingDown) return 0;
    const Params p{array};
    switch (number) {
    case 1: {
        const std::wstring path = p.at(1), subroutine = p.at(2);
        return applySkinFile(path, subroutine);
    }
    case 2: return setMode(p.at(1));
    case 3: {
        const std::wstring back = p.at(1), text = p.at(2), page = p.at(3);
        return setColors(back, text, page);
    }
    case 4: {
        const std::wstring bar = p.at(1), text = p.at(2);
        return setTitleBar(bar, text);
    }
    case 5:
        refreshWindows(true);
        HostBridge::setLastError(L"OK");
        return 1;
    case 6: return autoRefreshAction(p.at(1));
    case 7: return resetTheme(true);
    case 8: return getInfo();
    case 9:
        beginUpdate();
        return 1;
    case 10:
        endUpdate(false);
        return 1;
    case 11: {
        const std::wstring color = p.at(1), glyphSwitch = p.at(2);
        return setAccent(color, glyphSwitch);
    }
    case 12: return listWindows();
    case 13: {
        BindTexts t;
        t.handle = p.at(1);
        t.variable = p.at(2);
        t.value = p.at(3);
        t.minimum = p.at(4);
        t.maximum = p.at(5);
        t.color = p.at(6);
        return bind(OverlayKind::Track, std::move(t));
    }
    case 14: {
        BindTexts t;
        t.handle = p.at(1);
        t.variable = p.at(2);
        t.value = p.at(3);
        t.color = p.at(4);
        return bind(OverlayKind::Check, std::move(t));
    }
    case 15: {
        BindTexts t;
        t.handle = p.at(1);
        t.variable = p.at(2);
        t.value = p.at(3);
        t.caption = p.at(4);
        t.color = p.at(5);
        return bind(OverlayKind::Radio, std::move(t));
    }
    case 16: return unbindOverlay(p.at(1));
    default: return 0;
    }
}

} // namespace hueloom
