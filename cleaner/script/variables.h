#pragma once
// Script variables: "%%USER%%" and the values that GETREG lines keep in the
// variable store Rules\Temp\Vartemp.zct (section = rule name, key = variable).
#include "cleaner/store/cleaner_core.h"

#include <string>

namespace zc {

// The line with every "%%USER%%" replaced by the user name, then every
// occurrence of the first remaining "%%name%%" replaced by the stored value
// (looked up without regard to case; "" when not stored). Values are not
// expanded again.
std::string ExpandVariables(const CleanerCore& core, const std::string& line, const std::string& ruleName);

void StoreVariable(const CleanerCore& core, const std::string& ruleName, const std::string& name,
                   const std::string& value);

// The Windows user running the cleaner; "" when it cannot be read or is
// longer than 49 bytes.
std::string CurrentUserName();

} // namespace zc
