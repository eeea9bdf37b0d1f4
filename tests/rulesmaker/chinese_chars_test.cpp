#include "rulesmaker/chinese_chars.h"

#include <gtest/gtest.h>

namespace zc {
namespace {

TEST(ChineseCharsOfTest, FindsOnlyTheGb2312ChineseCharacters) {
    const struct {
        const char* text;
        const char* chinese;
    } cases[] = {
        {"", ""},
        {"Rule_1", ""},
        {"A测B试", "测试"},
        {"规则", "规则"},
        {"全角，标点（）！", "全角标点"},
        {"，。；", ""},           // full-width punctuation: lead bytes 0xA1 to 0xA9
        {"丂亐", ""},             // characters outside GB2312: lead bytes below 0xB0
        {"\xB0\xA1", "\xB0\xA1"}, // first character of the area
        {"\xF7\xFE", "\xF7\xFE"}, // last character of the area
        {"\xF8\xA1\xB0\x40", ""}, // lead above the area; trail below 0xA1
        {"\xB0", ""},             // a lone lead byte at the end
        {"a\xB0\xA1"
         "b",
         "\xB0\xA1"},
        // Stepping over a double-byte character whole: its trail byte never leads a match.
        {"\x81\xB0\xA1", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChineseCharsOf(c.text), c.chinese) << c.text;
    }
}

} // namespace
} // namespace zc
