#pragma once
#include <windows.h>

namespace zc {

// A font that shows Chinese text on Windows and under Wine alike; created
// once, owned by the process.
HFONT ChineseUiFont();

// Sets the Chinese font on the window and all its children.
void ApplyChineseFont(HWND window);

} // namespace zc

namespace zc {

// Answer to WM_CTLCOLORSTATIC for windows whose pages are white: labels,
// group box captions and read-only text boxes draw black text on white.
LRESULT PaintStaticOnWhite(HDC context);

} // namespace zc
