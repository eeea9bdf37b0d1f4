#pragma once
// The window "载入密码限制" in which the user types the load password of a
// locked rule waiting in the unpack folder.
#include "cleaner/packages/load_password.h"
#include "cleaner/store/cleaner_core.h"

#include <windows.h>

namespace zc {

namespace load_password_ids {
enum : int {
    kPassword = 101,
    kCancel = IDCANCEL,
    kConfirm = IDOK,
};
} // namespace load_password_ids

// Creates and shows the window. Its messages go to show, or to message boxes
// that the window owns when show is empty. The window says on closing that
// the import failed unless a check in it succeeded.
HWND CreateLoadPasswordWindow(HWND owner, const CleanerCore& core, MessageSink show = {});

// Shows the window modally: the owner stays disabled until it closes.
void RunLoadPasswordWindow(HWND owner, const CleanerCore& core);

} // namespace zc
