#pragma once
// Whether a text can be used on Windows as the name of one file or folder
// directly inside another folder.
#include <string>

namespace zc {

// False for the empty text, "." and "..", names holding a path separator, a
// drive colon or another character Windows forbids in names, reserved device
// names (also with an extension) and names ending in a blank or a dot.
bool IsUsableFolderName(const std::string& name);

} // namespace zc
