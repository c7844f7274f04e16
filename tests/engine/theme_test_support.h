#pragma once
// Helpers shared by the theme action and skin file tests: a comparable copy of the
// theme record and short names for the fake host.
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "fixtures.h"
#include "theme/color.h"
#include "theme/theme_state.h"

namespace testing {

// The fields of ThemeState that an action may change, without the brushes.
struct ThemeSnapshot {
    hueloom::Mode mode;
    bool active;
    hueloom::Color controlBack, controlText, pageBack;
    std::optional<hueloom::Color> titleBar, titleText;
    hueloom::Color accent;
    bool glyphs, articleText;
    std::wstring skinName, skinFile;

    static ThemeSnapshot now() {
        const hueloom::ThemeState& t = hueloom::currentTheme();
        return {t.mode,   t.active,    t.controlBack, t.controlText, t.pageBack,
                t.titleBar, t.titleText, t.accent,   t.glyphs,      t.articleText,
                t.skinName, t.skinFile};
    }
    bool operator==(const ThemeSnapshot& o) const {
        return std::tie(mode, active, controlBack, controlText, pageBack, titleBar, titleText, accent,
                        glyphs, articleText, skinName, skinFile) ==
               std::tie(o.mode, o.active, o.controlBack, o.controlText, o.pageBack, o.titleBar,
                        o.titleText, o.accent, o.glyphs, o.articleText, o.skinName, o.skinFile);
    }
};

inline hueloom::Color rgb(int r, int g, int b) { return hueloom::makeColor(r, g, b); }

inline FakeHost& host() { return FakeHost::current(); }

// Names of every variable the plug-in has set so far, in order.
inline std::vector<std::string> setNames() {
    std::vector<std::string> names;
    for (const auto& [name, value] : host().sets) names.push_back(name);
    return names;
}

} // namespace testing
