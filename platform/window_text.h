#pragma once
// Window helpers that take and give GBK text.
#include <windows.h>

#include <string>

namespace zc {

HWND CreateChild(HWND parent, const wchar_t* windowClass, const std::string& text, DWORD style, int x, int y,
                 int width, int height, int id, DWORD exStyle = 0);
std::string GetWindowTextGbk(HWND window);
void SetWindowTextGbk(HWND window, const std::string& text);
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type = MB_OK);

} // namespace zc
