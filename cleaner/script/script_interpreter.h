#pragma once
// The rule script interpreter: ECHO, RMF, RMR, RML and GETREG lines, comments
// and blank lines, each line expanded and passed through the security gate
// first. Output and errors go to the cleanup pane; no line ends the script.
#include "cleaner/script/script_host.h"
#include "cleaner/util/user_interface.h"

#include <string>

namespace zc {

// A path field of a script line: every "##" pair becomes a blank, left to right.
std::string DoubleHashToSpace(const std::string& text);

void RunRuleScript(ScriptHost& host, UserInterface& ui, const std::string& ruleName,
                   const std::string& script);

} // namespace zc
