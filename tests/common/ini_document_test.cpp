// Behaviour of the in-memory INI document that the file-level table does not
// reach: what a write keeps of a file's other lines.
#include "common/ini_document.h"

#include <gtest/gtest.h>

namespace zc {
namespace {

TEST(IniDocument, WriteKeepsLinesBeforeTheFirstSectionAndDropsBlankLines) {
    IniDocument doc = IniDocument::Parse("loose=1\r\n\r\n[A]\r\n\r\n;note\r\nk=v\r\n");
    doc.Set("A", "j", "w");
    EXPECT_EQ(doc.Serialize(), "loose=1\r\n[A]\r\n;note\r\nk=v\r\nj=w\r\n");
}

TEST(IniDocument, WritesWithEmptyNamesAreIgnored) {
    IniDocument doc = IniDocument::Parse("[A]\r\nk=v\r\n");
    doc.Set("", "k", "x");
    doc.Set("A", "  ", "x");
    EXPECT_EQ(doc.Serialize(), "[A]\r\nk=v\r\n");
}

TEST(IniDocument, WriteKeepsAnEmptySectionHeaderSoItsKeysStayOutOfTheSectionAbove) {
    IniDocument doc = IniDocument::Parse("[x]\r\na=1\r\n[]\r\nb=2\r\n");
    doc.Set("x", "a", "3");
    EXPECT_EQ(doc.Serialize(), "[x]\r\na=3\r\n[]\r\nb=2\r\n");
    EXPECT_EQ(IniDocument::Parse(doc.Serialize()).Get("x", "b", "none"), "none");
}

TEST(IniDocument, ReadValueEndsAtAZeroByte) {
    using namespace std::string_literals;
    const IniDocument doc = IniDocument::Parse("[A]\r\nk=C:\\a\0\\b\r\nq=\"x\0\"\r\n"s);
    EXPECT_EQ(doc.Get("A", "k"), "C:\\a");
    EXPECT_EQ(doc.Get("A", "q"), "\"x");
}

TEST(IniDocument, HeaderEndsAtItsLastClosingBracket) {
    const IniDocument doc = IniDocument::Parse("[a]b]\r\nk=v\r\n[open\r\nj=w\r\n");
    EXPECT_EQ(doc.Get("a]b", "k"), "v");
    // A line "[open" without a closing bracket is an ordinary line of [a]b].
    EXPECT_EQ(doc.Get("a]b", "j"), "w");
}

TEST(IniDocument, CaseFoldingCoversAsciiLettersOnly) {
    const struct {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"Basic", "bASIC", true},         {"Basic", "Basics", false},
        {"\xa3\xc1", "\xa3\xe1", false}, // full-width A and a are different characters
        {"\x81\x41", "\x81\x61", false}, // trail bytes that look like letters
        {"x\x81\x41", "X\x81\x41", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EqualsIgnoringAsciiCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
    }
}

} // namespace
} // namespace zc
