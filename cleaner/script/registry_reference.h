#pragma once
// GETREG's registry reference: a hive name and a path whose last part is the
// value name.
#include "cleaner/script/script_host.h"

#include <string>

namespace zc {

// Reads the text value named by the path under the hive ("CLASSES_ROOT",
// "LOCAL_MACHINE", "USERS", "CURRENT_CONFIG" or "CURRENT_USER"). A path
// without "\" names a value of the root key; one ending in "\" the key's
// default value. False for any other hive name.
bool ReadRegistryReference(ScriptHost& host, const std::string& hiveName, const std::string& path,
                           std::string& text);

} // namespace zc
