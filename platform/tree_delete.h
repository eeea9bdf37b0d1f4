#pragma once
// Deleting directories with everything in them.
#include <string>

namespace zc {

// Refuses "" and bare drive roots ("C:", "C:\"), leading blanks skipped.
// Entries whose names begin with "." stay, so their directory stays too. A
// directory link is removed as a link; what it leads to is never touched.
// True when the directory itself was removed.
bool DeleteDirectoryTree(const std::string& path);

// Removes a working folder of the program completely: dot-named and read-only
// entries too. A link, whether the folder itself or an entry, is removed as a
// link and never entered.
void RemoveFolderTree(const std::string& path);

} // namespace zc
