#pragma once
#include <windows.h>

namespace zc {

// A font that shows Chinese text on Windows and under Wine alike; created
// once, owned by the process.
HFONT ChineseUiFont();

// Sets the Chinese font on the window and all its children.
void ApplyChineseFont(HWND window);

} // namespace zc
