#pragma once
// The host's output: one line at a time on stdout, flushed at once so that nothing is
// lost when a plug-in brings the process down.
#include <string_view>

namespace standin {

void say(std::string_view line);

}  // namespace standin
