#pragma once
// RMR's worker: deletes a directory with everything in it.
#include <string>

namespace zc {

// Refuses "" and bare drive roots ("C:", "C:\"), leading blanks skipped.
// Entries whose names begin with "." stay, so their directory stays too. A
// directory link is removed as a link; what it leads to is never touched.
// True when the directory itself was removed.
bool DeleteDirectoryTree(const std::string& path);

} // namespace zc
