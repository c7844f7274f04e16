#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include "plugin/lifecycle.h"

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&init);
    hueloom::pluginStartup();
    doctest::Context context(argc, argv);
    return context.run();
}
