#pragma once
#include <string>

namespace zc {

// True when the GBK text can name exactly one folder inside another: not
// empty, not "." or "..", no path separator, drive colon or other character
// Windows forbids in file names, no control character, no reserved device
// name (CON, NUL, COM1, ... also with an extension), no trailing blank or dot.
bool IsUsableFolderName(const std::string& name);

} // namespace zc
