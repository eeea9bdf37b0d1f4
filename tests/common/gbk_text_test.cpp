#include "common/gbk_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zc {
namespace {

const std::size_t npos = std::string::npos;

std::string Show(const std::string& s) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += digits[c >> 4];
            out += digits[c & 0xF];
        }
    }
    return out;
}

TEST(GbkTextTest, LeadBytesAre81ToFE) {
    struct Case {
        unsigned char byte;
        bool lead;
    };
    const Case cases[] = {{0x00, false}, {0x40, false}, {0x7F, false}, {0x80, false},
                          {0x81, true},  {0xB0, true},  {0xFE, true},  {0xFF, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        EXPECT_EQ(IsGbkLeadByte(c.byte), c.lead);
    }
}

TEST(GbkTextTest, EndsInCutCharacterOnlyForALeadByteWithoutItsSecondByte) {
    const struct {
        std::string text;
        bool cut;
    } cases[] = {
        {"", false},
        {"\x81", true},
        {"abc\xd6", true},
        {"\xd6\xd0", false},         // one whole character
        {"\xd6\xd0\xd6", true},      // a whole one, then a cut-off one
        {"\xd6\xd6\xd6\xd6", false}, // two whole characters, not a cut-off one at the end
        {"T\x81\\", false},          // the "\" is the second byte of the character
        {"a\x80", false},            // 0x80 and 0xFF open no character
        {"a\xff", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EndsInCutCharacter(c.text), c.cut) << Show(c.text);
    }
}

TEST(GbkTextTest, FindTextStepsOverDoubleByteCharacters) {
    struct Case {
        std::string haystack;
        std::string needle;
        std::size_t start;
        std::size_t expected;
    };
    const Case cases[] = {
        {"abc", "b", 0, 1},
        {"abc", "abc", 0, 0},
        {"abc", "d", 0, npos},
        {"abc", "abcd", 0, npos},
        {"ABC", "b", 0, npos}, // case-sensitive
        {"abcabc", "bc", 0, 1},
        {"a,b,c", ",", 2, 3},
        {"a,b,c", ",", 4, npos},
        {"\x81\x40", "\x40", 0, npos}, // 0x40 is the trail byte
        {"a\x81\x40", "\x40", 0, npos},
        {"\x81\x40\x40", "\x40", 0, 2},
        {"\x81\x81\x40", "\x81\x40", 0, npos},     // first pair is one character
        {"\xd2\xfd\xba\xc5", "\xfd\xba", 0, npos}, // straddles two characters
        {"\xd2\xfd\xba\xc5", "\xba\xc5", 0, 2},
        {"\xb0\xa1x", "x", 0, 2},
        {"ab\x81", "\x81", 0, 2}, // lone lead byte at the end
        {"\x81", "\x81", 0, 0},
        {"abc", "", 0, 0},
        {"abc", "", 3, 3},
        {"abc", "", 4, npos},
        {"abc", "c", 4, npos},
        {"abc", "c", npos, npos},
        {"abc", "", npos, npos},
        {"", "a", 0, npos},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Show(c.haystack) + " / " + Show(c.needle) + " from " + std::to_string(c.start));
        EXPECT_EQ(FindText(c.haystack, c.needle, c.start), c.expected);
    }
}

TEST(GbkTextTest, SplitTextCutsAtEverySeparator) {
    using Pieces = std::vector<std::string>;
    struct Case {
        std::string text;
        std::string separator;
        std::size_t maxPieces;
        Pieces expected;
    };
    const Case cases[] = {
        {"a,b,c", ",", 0, {"a", "b", "c"}},
        {"", ",", 0, {}},
        {"abc", ",", 0, {"abc"}},
        {",", ",", 0, {""}}, // empty first piece kept, no empty last
        {",a", ",", 0, {"", "a"}},
        {"a,", ",", 0, {"a"}},
        {"a,,b", ",", 0, {"a", "", "b"}},
        {"a,,", ",", 0, {"a", ""}},
        {",,", ",", 0, {"", ""}},
        {"l1\r\n\r\nl3\r\n", "\r\n", 0, {"l1", "", "l3"}},
        {"&&A&&\r\n####\r\n&&C&&", "\r\n", 0, {"&&A&&", "####", "&&C&&"}},
        {"a&&&b", "&&", 0, {"a", "&b"}},       // no overlapping matches
        {"\x81,x,y", ",", 0, {"\x81,x", "y"}}, // "\x81," is one character
        {"\xd2\xfd,\xba\xc5", ",", 0, {"\xd2\xfd", "\xba\xc5"}},
        // With a maximum the rest after the last cut piece is dropped.
        {"GETREG a b c d e", " ", 4, {"GETREG", "a", "b", "c"}},
        {"GETREG a b c", " ", 4, {"GETREG", "a", "b", "c"}},
        {"GETREG a b c ", " ", 4, {"GETREG", "a", "b", "c"}},
        {"GETREG  b c d", " ", 4, {"GETREG", "", "b", "c"}},
        {"RML dir mask", " ", 4, {"RML", "dir", "mask"}},
        {"a b", " ", 4, {"a", "b"}},
        {"a,b,c", ",", 1, {"a"}},
        {"a,b,c", ",", 2, {"a", "b"}},
        {"a,b,c", ",", 3, {"a", "b", "c"}},
        {"abc", ",", 1, {"abc"}},
        {"", ",", 1, {}},
        // An empty separator cuts nothing.
        {"abc", "", 0, {"abc"}},
        {"abc", "", 2, {"abc"}},
        {"", "", 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Show(c.text) + " at " + Show(c.separator) + " max " + std::to_string(c.maxPieces));
        EXPECT_EQ(SplitText(c.text, c.separator, c.maxPieces), c.expected);
    }
}

TEST(GbkTextTest, SplitTextDefaultsToCommaWithoutLimit) {
    EXPECT_EQ(SplitText("x,y z,,w"), (std::vector<std::string>{"x", "y z", "", "w"}));
}

TEST(GbkTextTest, TextBetweenTakesFirstLeftAndNextRight) {
    struct Case {
        std::string text;
        std::string left;
        std::string right;
        std::string expected;
    };
    const std::string quoteMarker = "#\xd2\xfd\xba\xc5";
    const Case cases[] = {
        {"&&Rule&&", "&&", "&&", "Rule"},
        {"x&&A&&y&&B&&", "&&", "&&", "A"},
        {"&&&&", "&&", "&&", ""},
        {"&&&", "&&", "&&", ""}, // right must start at or after the left's end
        {"&&Rule", "&&", "&&", ""},
        {"Rule&&", "[", "&&", ""},
        {"", "&&", "&&", ""},
        {"%%a%%b%%", "%%", "%%", "a"},
        {"<a>", "<", ">", "a"},
        {"b>a<c>", "<", ">", "c"}, // a right delimiter before the left one is skipped
        {"Set-Cookie: id=1; path=/", "Set-Cookie:", ";", " id=1"},
        {"charset=\"gbk\";", "charset=" + quoteMarker, quoteMarker, "gbk"},
        {"a\"b\"c", quoteMarker, quoteMarker, "b"},
        {"x" + quoteMarker + "y" + quoteMarker, "x" + quoteMarker, quoteMarker, ""}, // text is not rewritten
        {"\x81[x][y]", "[", "]", "y"}, // "\x81[" is one character
        {"[\xd2\xfd]\xba]", "[", "]", "\xd2\xfd"},
        {"[\xd2]]", "[", "]", "\xd2]"}, // "\xd2]" is one character
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Show(c.text) + " between " + Show(c.left) + " and " + Show(c.right));
        EXPECT_EQ(TextBetween(c.text, c.left, c.right), c.expected);
    }
}

TEST(GbkTextTest, ReplaceAllTextReplacesLeftToRightWithoutOverlap) {
    struct Case {
        std::string text;
        std::string from;
        std::string to;
        std::size_t maxCount;
        std::string expected;
    };
    const Case cases[] = {
        {"a##b##c", "##", " ", kNoReplaceLimit, "a b c"},
        {"a##b##c", "##", " ", 1, "a b##c"},
        {"a##b##c", "##", " ", 0, "a##b##c"},
        {"###", "##", "-", kNoReplaceLimit, "-#"},
        {"####", "##", "-", kNoReplaceLimit, "--"},
        {"ab", "a", "aa", kNoReplaceLimit, "aab"}, // output is not scanned again
        {"%%%%x%%%%", "%%%%", "", kNoReplaceLimit, "x"},
        {"abc", "", "-", kNoReplaceLimit, "abc"},
        {"", "a", "b", kNoReplaceLimit, ""},
        {"\x81##", "##", " ", kNoReplaceLimit, "\x81##"}, // "\x81#" is one character
        {"\xb0\xa1##", "##", " ", kNoReplaceLimit, "\xb0\xa1 "},
        {"&&A&&\r\n&&B&&", "&&B&&", "####", kNoReplaceLimit, "&&A&&\r\n####"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Show(c.text) + " " + Show(c.from) + " -> " + Show(c.to));
        EXPECT_EQ(ReplaceAllText(c.text, c.from, c.to, c.maxCount), c.expected);
    }
}

TEST(GbkTextTest, TextUpToZeroStopsAtFirstZeroByte) {
    struct Case {
        std::string bytes;
        std::string expected;
    };
    const Case cases[] = {
        {"", ""},
        {"abc", "abc"},
        {std::string("ab\0cd", 5), "ab"},
        {std::string("\0abc", 4), ""},
        {std::string("abc\0\0", 5), "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Show(c.bytes));
        EXPECT_EQ(TextUpToZero(c.bytes), c.expected);
    }
}

} // namespace
} // namespace zc
