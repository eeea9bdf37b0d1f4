#pragma once
// Counters and sections of the INI configuration files in Bin\Config.
#include "cleaner/store/cleaner_core.h"

#include <string>

namespace zc {

// Sum.zcd [type] Number += delta; a missing or empty counter counts as 0.
void AddToRuleCounter(const CleanerCore& core, const std::string& type, int delta);

// Cuts "[" + section + "]" (first byte-exact occurrence) and everything up to
// the next "[" out of the file's text; a missing file or header changes nothing.
void RemoveIniSection(const std::string& path, const std::string& section);

} // namespace zc
