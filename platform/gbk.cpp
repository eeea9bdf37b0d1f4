#include "platform/gbk.h"

#include <windows.h>

namespace zc {
namespace {
constexpr UINT kGbkCodePage = 936;
}

std::wstring ToWide(const std::string& gbk) {
    if (gbk.empty()) {
        return {};
    }
    const DWORD savedError = GetLastError();
    const int size = static_cast<int>(gbk.size());
    const int length = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), size, wide.data(), length);
    SetLastError(savedError);
    return wide;
}

std::string ToGbk(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const DWORD savedError = GetLastError();
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(kGbkCodePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string gbk(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(kGbkCodePage, 0, wide.data(), size, gbk.data(), length, nullptr, nullptr);
    SetLastError(savedError);
    return gbk;
}

} // namespace zc
