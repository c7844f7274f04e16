#pragma once
// The content of the publication's pages and dialogs: a bit of every standard control and
// the host's own objects, each under a name that scripts use.
#include <windows.h>

#include <string_view>

namespace standin {

class Publication;

// The first page: every kind of control, and several host objects of each kind.
void buildDemoPage(Publication& publication, HWND page);
// A page made on demand; its controls are named "<Page>.Edit", "<Page>.Check" and so on.
void buildSecondPage(Publication& publication, HWND page, std::string_view pageName);
// A dialog's controls: "<Dialog>.Label", ".Edit", ".Check", ".List", ".OK", ".Cancel".
void buildDialog(Publication& publication, HWND dialog, std::string_view dialogName);

}  // namespace standin
