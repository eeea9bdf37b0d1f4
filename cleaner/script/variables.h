#pragma once
// Script variables: "%%USER%%" and the values that GETREG lines keep in the
// variable store of the host.
#include "cleaner/script/script_host.h"

#include <string>

namespace zc {

// The line with every "%%USER%%" replaced by the user name, then every
// occurrence of the first remaining "%%name%%" replaced by the stored value
// ("" when not stored). Values are not expanded again.
std::string ExpandVariables(ScriptHost& host, const std::string& line, const std::string& ruleName);

} // namespace zc
