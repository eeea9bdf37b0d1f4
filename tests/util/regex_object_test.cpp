// Regular expressions through the system's scriptable component.
#include "cleaner/util/regex_object.h"

#include <gtest/gtest.h>

namespace zc {
namespace {

const char* const kCharsetPattern = "<meta.+?charset=[^\\w]?([-\\w]+)";

TEST(RegexObjectTest, FindsTheDeclaredCharsetInAnUpperCaseMetaTag) {
    RegexObject regex;
    ASSERT_TRUE(
        regex.Search(kCharsetPattern,
                     "<HTML><HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">"));
    EXPECT_EQ(regex.SubMatchText(1, 1), "UTF-8");
}

TEST(RegexObjectTest, NoMatchIsASuccessfulSearchWithEmptyGroups) {
    RegexObject regex;
    ASSERT_TRUE(regex.Search(kCharsetPattern, "<html><body>没有声明</body></html>"));
    EXPECT_EQ(regex.SubMatchText(1, 1), "");
}

TEST(RegexObjectTest, AnInvalidPatternFails) {
    RegexObject regex;
    EXPECT_FALSE(regex.Search("(unclosed", "unclosed"));
    EXPECT_EQ(regex.SubMatchText(1, 1), "");
}

TEST(RegexObjectTest, CountsMatchesAndGroupsFromOne) {
    RegexObject regex;
    ASSERT_TRUE(regex.Search("(\\w)=(\\d)", "a=1; b=2"));
    EXPECT_EQ(regex.SubMatchText(1, 1), "a");
    EXPECT_EQ(regex.SubMatchText(1, 2), "1");
    EXPECT_EQ(regex.SubMatchText(2, 1), "b");
    EXPECT_EQ(regex.SubMatchText(2, 2), "2");
    EXPECT_EQ(regex.SubMatchText(3, 1), "");
    EXPECT_EQ(regex.SubMatchText(1, 3), "");
    EXPECT_EQ(regex.SubMatchText(0, 1), "");
}

TEST(RegexObjectTest, OptionsChangeWhatMatches) {
    struct Case {
        const char* pattern;
        const char* subject;
        bool caseSensitive;
        bool multiline;
        bool global;
        int match;
        const char* expected;
    };
    const Case cases[] = {
        {"(abc)", "ABC", false, true, true, 1, "ABC"},
        {"(abc)", "ABC", true, true, true, 1, ""},
        {"^(\\w+)$", "one\r\ntwo", false, true, true, 2, "two"},
        {"^(\\w+)$", "one\ntwo", false, false, true, 1, ""},
        {"(\\d)", "1 2", false, true, false, 2, ""},
        {"(\\d)", "1 2", false, true, true, 2, "2"},
    };
    for (const Case& c : cases) {
        RegexObject regex;
        ASSERT_TRUE(regex.Search(c.pattern, c.subject, c.caseSensitive, c.multiline, c.global)) << c.pattern;
        EXPECT_EQ(regex.SubMatchText(c.match, 1), c.expected) << c.pattern << " over " << c.subject;
    }
}

TEST(RegexObjectTest, QuoteEscapeStandsForADoubleQuote) {
    RegexObject regex;
    ASSERT_TRUE(regex.Search("name=#引号(\\w+)#引号", "name=\"value\"", false, true, true, true));
    EXPECT_EQ(regex.SubMatchText(1, 1), "value");
    ASSERT_TRUE(regex.Search("name=#引号(\\w+)#引号", "name=\"value\""));
    EXPECT_EQ(regex.SubMatchText(1, 1), "");
}

TEST(RegexObjectTest, ChineseTextMatchesAndComesBackAsProgramText) {
    RegexObject regex;
    ASSERT_TRUE(regex.Search("标题：(.+?)。", "标题：清理规则。"));
    EXPECT_EQ(regex.SubMatchText(1, 1), "清理规则");
}

TEST(RegexObjectTest, ASecondSearchReplacesTheFirst) {
    RegexObject regex;
    ASSERT_TRUE(regex.Search("(a+)", "aaa"));
    ASSERT_TRUE(regex.Search("(b+)", "bb"));
    EXPECT_EQ(regex.SubMatchText(1, 1), "bb");
}

TEST(RegexObjectTest, WorksAgainAfterAnEarlierObjectReleasedTheComponentSystem) {
    for (int i = 0; i < 3; ++i) {
        RegexObject regex;
        ASSERT_TRUE(regex.Search("(x)", "x"));
        EXPECT_EQ(regex.SubMatchText(1, 1), "x");
    }
}

} // namespace
} // namespace zc
