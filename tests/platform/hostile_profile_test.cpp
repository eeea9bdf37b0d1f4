// INI files no program writes: binary bytes, zero bytes, megabyte lines and
// over-long values. Reads give the value or the fallback, writes change only
// the value they name, and no other file appears.
#include "platform/file_system.h"
#include "platform/profile.h"
#include "tests/support/folder_snapshot.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zc {
namespace {

const std::string kMegabyteLine(1 << 20, 'z');

std::string Repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

std::string AllBytesButLineBreaks() {
    std::string bytes;
    for (int c = 0; c < 256; ++c) {
        if (c != '\r' && c != '\n' && c != '[' && c != '=') {
            bytes += static_cast<char>(c);
        }
    }
    return bytes;
}

struct HostileFile {
    const char* label;
    std::string file;
    std::string expected; // of A/k, fallback "fb"
};

std::vector<HostileFile> HostileFiles() {
    const std::string binary = AllBytesButLineBreaks();
    const std::string wide = Repeated("\xd6\xd0", 6000); // 12000 bytes of double-byte characters
    return {
        {"binary lines around the section", binary + "\r\n[A]\r\n" + binary + "\r\nk=v\r\n" + binary, "v"},
        {"binary key line without equals sign", "[A]\r\n" + binary + "\r\n", "fb"},
        {"megabyte line before the section", kMegabyteLine + "\r\n[A]\r\nk=v\r\n", "v"},
        {"megabyte line after the value", "[A]\r\nk=v\r\n" + kMegabyteLine, "v"},
        {"megabyte value cut at the read buffer", "[A]\r\nk=" + kMegabyteLine + "\r\n",
         std::string(10239, 'z')},
        {"over-long double-byte value cut between characters", "[A]\r\nk=" + wide + "\r\n",
         wide.substr(0, 10238)},
        {"zero byte ends the value", std::string("[A]\r\nk=v\0w\r\n", 12), "v"},
        {"zero byte in the section header", std::string("[A\0]\r\nk=v\r\n", 11), "fb"},
        {"lone lead byte ends the file", "[A]\r\nk=v\x81", "v\x81"},
        {"section header never closed", "[A\r\nk=v\r\n", "fb"},
    };
}

class HostileProfileTest : public ::testing::Test {
  protected:
    testing::TempFolder folder_;
    std::string path_ = folder_ / "test.ini";
};

TEST_F(HostileProfileTest, ReadsGiveTheValueOrTheFallback) {
    for (const HostileFile& c : HostileFiles()) {
        WriteFileBytes(path_, c.file);
        EXPECT_EQ(ReadIniValue(path_, "A", "k", "fb"), c.expected) << c.label;
    }
}

TEST_F(HostileProfileTest, WritesChangeOnlyTheNamedValue) {
    for (const HostileFile& c : HostileFiles()) {
        WriteFileBytes(path_, c.file + "\r\n[B]\r\nkeep=1\r\n");
        WriteIniValue(path_, "A", "new", "written");
        EXPECT_EQ(ReadIniValue(path_, "A", "new"), "written") << c.label;
        EXPECT_EQ(ReadIniValue(path_, "A", "k", "fb"), c.expected) << c.label;
        EXPECT_EQ(ReadIniValue(path_, "B", "keep"), "1") << c.label;
        EXPECT_EQ(testing::NamesIn(folder_.Path()), std::vector<std::string>{"test.ini"}) << c.label;
    }
}

TEST_F(HostileProfileTest, OverLongValueIsWrittenWholeAndReadCut) {
    const std::string value = Repeated("\xd6\xd0", 50000);
    WriteIniValue(path_, "A", "k", value);
    EXPECT_EQ(ReadFileBytes(path_), "[A]\r\nk=" + value + "\r\n");
    EXPECT_EQ(ReadIniValue(path_, "A", "k"), value.substr(0, 10238));
}

} // namespace
} // namespace zc
