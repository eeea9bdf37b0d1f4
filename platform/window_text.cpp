#include "platform/window_text.h"

#include "platform/gbk.h"

namespace zc {

HWND CreateChild(HWND parent, const wchar_t* windowClass, const std::string& text, DWORD style, int x, int y,
                 int width, int height, int id, DWORD exStyle) {
    return CreateWindowExW(exStyle, windowClass, ToWide(text).c_str(), WS_CHILD | style, x, y, width, height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

std::string GetWindowTextGbk(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied));
    return ToGbk(text);
}

void SetWindowTextGbk(HWND window, const std::string& text) {
    SetWindowTextW(window, ToWide(text).c_str());
}

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    return MessageBoxW(owner, ToWide(text).c_str(), ToWide(caption).c_str(), type);
}

} // namespace zc
