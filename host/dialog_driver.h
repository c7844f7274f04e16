#pragma once
// Answers the dialogs a plug-in shows while the script waits in one of its calls: a
// button is pressed as soon as it appears.
#include <string>

namespace standin {

struct HostSession;

// Queues a press of the first visible, enabled button with that caption ("&" ignored);
// the presses happen in order, each within 15 s or it is reported as an error.
void queueButtonPress(HostSession& session, std::wstring caption);

}  // namespace standin
