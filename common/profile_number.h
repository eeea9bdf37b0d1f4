#pragma once
// Numbers stored as decimal text in the configuration files.
#include <string>

namespace zc {

// Full-width characters count as their single-byte forms; leading blanks are
// skipped, then an optional sign and the digits up to the first other
// character are taken. No digits read as 0; values beyond int are clamped.
int ParseProfileNumber(const std::string& text);

} // namespace zc
