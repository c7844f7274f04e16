#pragma once
// One script file from start to end, in a fresh publication.
#include <string>

namespace standin {

struct HostSession;

void runScriptFile(HostSession& session, const std::wstring& path);

}  // namespace standin
