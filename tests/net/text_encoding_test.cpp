// Conversions between program text and the encodings of the network.
#include "cleaner/net/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace zc {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values) {
        bytes.push_back(static_cast<char>(value));
    }
    return bytes;
}

TEST(TextEncodingTest, TextToUtf16IncludesTheTerminatingZero) {
    EXPECT_EQ(TextToUtf16(""), "");
    EXPECT_EQ(TextToUtf16("A"), Bytes({'A', 0, 0, 0}));
    EXPECT_EQ(TextToUtf16("中"), Bytes({0x2d, 0x4e, 0, 0}));
}

TEST(TextEncodingTest, Utf16ToTextEndsAtTheFirstZero) {
    EXPECT_EQ(Utf16ToText(""), "");
    EXPECT_EQ(Utf16ToText(Bytes({0x2d, 0x4e, 'a', 0})), "中a");
    EXPECT_EQ(Utf16ToText(Bytes({'a', 0, 0, 0, 'b', 0})), "a");
    EXPECT_EQ(Utf16ToText(TextToUtf16("规则 Rules")), "规则 Rules");
}

TEST(TextEncodingTest, Utf8ToTextDecodesChineseAndReplacesWhatGbkLacks) {
    EXPECT_EQ(Utf8ToText(""), "");
    EXPECT_EQ(Utf8ToText(u8"公告：欢迎"), "公告：欢迎");
    // U+0E01 (Thai) has no GBK form and becomes the default character.
    EXPECT_EQ(Utf8ToText(Bytes({'a', 0xe0, 0xb8, 0x81, 'b'})), "a?b");
    EXPECT_EQ(Utf8ToText(Bytes({'a', 0, 'b'})), "a");
}

TEST(TextEncodingTest, CharsetToTextKnowsCommonCharsetNamesInAnyCase) {
    struct Case {
        const char* charset;
        std::string bytes;
        const char* expected;
    };
    const Case cases[] = {
        {"utf-8", u8"中文", "中文"},
        {"UTF-8", u8"中文", "中文"},
        {"big5", Bytes({0xa4, 0xa4, 0xa4, 0xe5}), "中文"},
        {"gb2312", "中文", "中文"},
        {"iso-8859-1", Bytes({'1', '2', 0xb0}), "12°"},
        {"windows-1251", Bytes({0xc6, 'a'}), "Жa"},
    };
    for (const Case& c : cases) {
        std::string text = "unchanged";
        ASSERT_TRUE(CharsetToText(c.bytes, c.charset, text)) << c.charset;
        EXPECT_EQ(text, c.expected) << c.charset;
    }
}

TEST(TextEncodingTest, AnUnknownCharsetLeavesTheTextAlone) {
    std::string text = "unchanged";
    EXPECT_FALSE(CharsetToText("abc", "x-no-such-charset", text));
    EXPECT_EQ(text, "unchanged");
}

} // namespace
} // namespace zc
