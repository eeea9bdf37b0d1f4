#pragma once
// The rule script interpreter: ECHO, RMF, RMR, RML and GETREG lines, comments
// and blank lines, each line expanded and passed through the security gate
// first. Output and errors go to the cleanup pane; no line ends the script.
#include "cleaner/store/cleaner_core.h"
#include "cleaner/util/user_interface.h"

#include <string>

namespace zc {

void RunRuleScript(const CleanerCore& core, UserInterface& ui, const std::string& ruleName,
                   const std::string& script);

} // namespace zc
