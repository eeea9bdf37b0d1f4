#pragma once
// The menu command "加入规则": adds one rule to the library from a .zcp package.
#include "cleaner/store/cleaner_core.h"
#include "cleaner/util/user_interface.h"

namespace zc {

// Asks for a package file, unpacks it into Rules\Temp\temp, checks its marker,
// name and type, refuses a rule already registered, sends a locked rule whose
// password is not yet verified to the load-password window, then registers
// the rule and copies Member.zcc and Main.zcc into Rules\<Type>\<Name>.
void ImportPackage(const CleanerCore& core, UserInterface& ui);

} // namespace zc
