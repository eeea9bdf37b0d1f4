#pragma once
// The one place where program text (GBK bytes) meets the UTF-16 of the Windows
// W functions. Always code page 936, whatever the system's ANSI code page is.
#include <string>

namespace zc {

std::wstring ToWide(const std::string& gbk);
std::string ToGbk(const std::wstring& wide);

} // namespace zc
