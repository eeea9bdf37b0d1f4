#pragma once
// The security gate in front of every script line: a line runs only when the
// level it requires is not above the host's security level.
#include "cleaner/script/script_host.h"

#include <string>

namespace zc {

// Every line requires level 0, whatever it holds.
int RequiredLevel(const std::string& line);

bool PassesSecurityGate(ScriptHost& host, const std::string& line);

} // namespace zc
