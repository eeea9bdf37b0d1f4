#pragma once
// Removing the program's working folders with everything in them.
#include <string>

namespace zc {

// Removes a working folder of the program completely: dot-named and read-only
// entries too. A link, whether the folder itself or an entry, is removed as a
// link and never entered.
void RemoveFolderTree(const std::string& path);

} // namespace zc
