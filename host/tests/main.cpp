#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>
#include <windows.h>

#include "host_session.h"

int main(int argc, char** argv) {
    // The window tests need the host's window classes and a host window to put pages in.
    if (!standin::session().publication.createHostWindow()) return 3;
    doctest::Context context(argc, argv);
    const int result = context.run();
    standin::session().publication.destroyHostWindow();
    return result;
}
