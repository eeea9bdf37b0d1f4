#pragma once
#include <string>

namespace zc {

// The GB2312 Chinese characters of a GBK text, in order, concatenated. Other
// double-byte characters (full-width punctuation, characters outside the
// GB2312 area) are stepped over whole and not returned.
std::string ChineseCharsOf(const std::string& text);

} // namespace zc
