#pragma once
// Names taken from outside (rule packages) that become file or folder names.
#include <string>

namespace zc {

// True when the GBK text can be used as one file or folder name inside a
// given folder on Windows and cannot reach beyond it: not empty, not "." or
// "..", no path separator or drive colon, none of the characters Windows
// forbids in names (control characters and <>:"/\|?*), no reserved device
// name (CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM1-9, LPT1-9, also with an
// extension), no trailing blank or dot, and no cut-off double-byte character.
bool IsUsableFolderName(const std::string& name);

} // namespace zc
