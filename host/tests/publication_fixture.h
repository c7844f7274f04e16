#pragma once
// What the publication tests share: an open publication over the fake plug-in, its named
// windows and the script variables.
#include <doctest.h>

#include <string>

#include "fake_plugin.h"
#include "host_session.h"

namespace standin::testing {

struct OpenPublication {
    OpenPublication() {
        fake::startWithFake();
        session().publication.open();
    }
    ~OpenPublication() { session().publication.close(); }
    OpenPublication(const OpenPublication&) = delete;
    OpenPublication& operator=(const OpenPublication&) = delete;
};

inline HWND named(const char* name) {
    const NamedWindow* found = session().publication.find(name);
    REQUIRE(found != nullptr);
    return found->window;
}

inline std::string variable(const char* name) { return session().variables.value(name); }

}  // namespace standin::testing
