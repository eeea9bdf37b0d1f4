#pragma once
// A message box that closes itself after a time-out, owned by a visible
// window of the cleaner's own process.
#include <windows.h>

#include <string>

namespace zc {

// The first valid, visible top-level window of the process, polling (and
// processing the calling thread's messages) until one appears or limitMs has
// passed; nullptr then. A limit of -1 means the default of one year.
HWND FindProcessWindow(DWORD processId, long long limitMs = -1);

// Shows the box and returns its result minus 1. Without an owner the first
// visible window of this process owns it.
int TimedMessageBox(const std::string& message, UINT style = 0, const std::string& title = "友情提醒",
                    HWND owner = nullptr, DWORD timeoutMs = 5000);

} // namespace zc
