#pragma once
// The cleanup run behind the button "执行应用清理": runs the script of every
// switched-on "Program" rule of the registration list, in order.
#include "cleaner/store/cleaner_core.h"
#include "cleaner/util/user_interface.h"

namespace zc {

void RunCleanup(const CleanerCore& core, UserInterface& ui);

} // namespace zc
