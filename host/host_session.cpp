#include "host_session.h"

#include <algorithm>

#include "console.h"

namespace standin {

int Outcome::exitCode() const noexcept {
    int code = kExitPassed;
    if (failed > 0) code = kExitAssertionFailed;
    if (scriptError) code = kExitScriptError;
    if (exitRequest) code = std::max(code, *exitRequest);
    if (swallowedFaults > 0) code = kExitCrashed;
    return code;
}

void HostSession::setVariable(std::string_view name, std::string_view value) {
    variables.set(name, value);
    publication.repaintObjectsTiedTo(name);
}

void HostSession::contractBroken(std::string_view what) {
    ++outcome.failed;
    say("host: plug-in contract broken: " + std::string(what));
}

HostSession& session() {
    static HostSession instance;
    return instance;
}

}  // namespace standin
