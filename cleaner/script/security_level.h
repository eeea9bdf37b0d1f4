#pragma once
// The security gate in front of every script line: a line runs only when the
// level it requires is not above the level set in Bin\Config\Security.zcd.
#include "cleaner/store/cleaner_core.h"

#include <string>

namespace zc {

// [Command] Level of Security.zcd, read anew on every call; 0 when missing
// or not a number.
int SecurityLevel(const CleanerCore& core);

// Every line requires level 0, whatever it holds.
int RequiredLevel(const std::string& line);

bool PassesSecurityGate(const CleanerCore& core, const std::string& line);

} // namespace zc
