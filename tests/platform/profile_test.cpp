// The INI store against a table of tricky files. The same table is checked
// against Windows' own profile functions when the ANSI code page is 936 (as on
// a Chinese Windows), and the store alone is checked again under code page
// 1252, where it must give the same results.
#include "platform/file_system.h"
#include "platform/profile.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace zc {
namespace {

struct ReadCase {
    const char* label;
    std::string file;
    std::string section;
    std::string key;
    std::string fallback;
    std::string expected;
};

const std::string kLongValue(12000, 'x');

std::vector<ReadCase> ReadCases() {
    return {
        {"plain value", "[Basic]\r\nName=Chrome\r\n", "Basic", "Name", "", "Chrome"},
        {"section and key case", "[basic]\r\nNAME=x\r\n", "BASIC", "name", "", "x"},
        {"first of duplicate sections", "[A]\r\nk=1\r\n[A]\r\nk=2\r\nj=3\r\n", "A", "k", "", "1"},
        {"key only in a later duplicate section", "[A]\r\nk=1\r\n[A]\r\nj=3\r\n", "A", "j", "d", "d"},
        {"first of duplicate keys", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "", "1"},
        {"blanks around names and values", "  [A]  \r\n  k  =  v v  \r\n", "A", "k", "", "v v"},
        {"tabs around the value", "[A]\r\nk=\tv\t\r\n", "A", "k", "", "v"},
        {"double-quoted value", "[A]\r\nk=\"quoted\"\r\n", "A", "k", "", "quoted"},
        {"single-quoted value", "[A]\r\nk='a b'\r\n", "A", "k", "", "a b"},
        {"unbalanced quote", "[A]\r\nk=\"a\r\n", "A", "k", "", "\"a"},
        {"lone quote", "[A]\r\nk=\"\r\n", "A", "k", "", "\""},
        {"inner quotes kept", "[A]\r\nk=a\"b\"\r\n", "A", "k", "", "a\"b\""},
        {"no final line break", "[A]\r\nk=v", "A", "k", "", "v"},
        {"line feeds only", "[A]\nk=v\nj=w\n", "A", "j", "", "w"},
        {"value with equals sign", "[A]\r\nk=a=b\r\n", "A", "k", "", "a=b"},
        {"empty value", "[A]\r\nk=\r\n", "A", "k", "d", ""},
        {"key without equals sign", "[A]\r\nk\r\n", "A", "k", "d", "d"},
        {"over-long value cut at the buffer", "[A]\r\nk=" + kLongValue + "\r\n", "A", "k", "",
         std::string(10239, 'x')},
        {"leading control characters in names", "[A]\r\nk=v\r\n", "\t\x01 A", " \x02k", "", "v"},
        {"trailing blanks in names", "[A]\r\nk=v\r\n", "A  ", "k ", "", "v"},
        {"missing section gives the fallback", "[A]\r\nk=v\r\n", "B", "k", "fb", "fb"},
        {"missing key gives the fallback", "[A]\r\nk=v\r\n", "A", "x", "fb", "fb"},
        {"fallback loses trailing blanks", "[A]\r\n", "A", "x", "fb  ", "fb"},
        {"empty section name", "[A]\r\nk=v\r\n", "", "k", "fb", ""},
        {"empty key name", "[A]\r\nk=v\r\n", "A", " ", "fb", ""},
        {"key before any section is not found", "k=v\r\n[A]\r\n", "A", "k", "fb", "fb"},
        {"Chinese section, key and value", "[规则]\r\n名称=值\r\n", "规则", "名称", "", "值"},
        {"Chinese value with blanks", "[A]\r\nk= 中 文 \r\n", "A", "k", "", "中 文"},
        // The second bytes 0x41 ('A') and 0x61 ('a') belong to two different
        // characters, which must not match as upper and lower case.
        {"trail bytes are not letters", "[\x81\x41]\r\nk=v\r\n", "\x81\x61", "k", "fb", "fb"},
        {"same double-byte section", "[\x81\x41]\r\nk=v\r\n", "\x81\x41", "k", "fb", "v"},
        {"binary garbage around the value", "\x01\x02garbage\r\n[A]\r\nk=v\r\n\xff\xfe", "A", "k", "", "v"},
    };
}

struct WriteCase {
    const char* label;
    std::string file; // empty: no file before the write
    std::string section;
    std::string key;
    std::string value;
    std::string expectedFile;
    std::string readBack;
};

std::vector<WriteCase> WriteCases() {
    return {
        {"into a missing file", "", "Basic", "Name", "A", "[Basic]\r\nName=A\r\n", "A"},
        {"replace in place, names kept", "[A]\r\nk=1\r\nj=2\r\n", "a", "K", "9", "[A]\r\nk=9\r\nj=2\r\n",
         "9"},
        {"new key at the end of its section", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n", "A", "z", "3",
         "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n", "3"},
        {"new section at the end", "[A]\r\nx=1\r\n", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n", "2"},
        {"leading blanks of the value dropped", "", "A", "k", "  v ", "[A]\r\nk=v \r\n", "v"},
        {"leading blanks of names dropped", "", " A", "\tk", "v", "[A]\r\nk=v\r\n", "v"},
        {"Chinese names and value", "", "规则", "名称", "值", "[规则]\r\n名称=值\r\n", "值"},
        {"file without final line break", "[A]\r\nk=v", "A", "j", "w", "[A]\r\nk=v\r\nj=w\r\n", "w"},
    };
}

class ProfileTable : public ::testing::Test {
  protected:
    testing::TempFolder folder_;
    std::string path_ = folder_ / "test.ini";
};

TEST_F(ProfileTable, StoreReadsEveryCaseOfTheTable) {
    for (const ReadCase& c : ReadCases()) {
        WriteFileBytes(path_, c.file);
        EXPECT_EQ(ReadIniValue(path_, c.section, c.key, c.fallback), c.expected) << c.label;
    }
}

TEST_F(ProfileTable, StoreWritesEveryCaseOfTheTable) {
    for (const WriteCase& c : WriteCases()) {
        DeleteOneFile(path_);
        if (!c.file.empty()) {
            WriteFileBytes(path_, c.file);
        }
        WriteIniValue(path_, c.section, c.key, c.value);
        EXPECT_EQ(ReadFileBytes(path_), c.expectedFile) << c.label;
        EXPECT_EQ(ReadIniValue(path_, c.section, c.key), c.readBack) << c.label;
    }
}

TEST_F(ProfileTable, ReadsSeeEveryChangeOfTheFile) {
    WriteFileBytes(path_, "[A]\r\nk=1\r\n");
    EXPECT_EQ(ReadIniValue(path_, "A", "k"), "1");
    WriteFileBytes(path_, "[A]\r\nk=2\r\n"); // same size, written behind the store's back
    EXPECT_EQ(ReadIniValue(path_, "A", "k"), "2");
    WriteIniValue(path_, "A", "k", "3");
    EXPECT_EQ(ReadFileBytes(path_), "[A]\r\nk=3\r\n");
    DeleteOneFile(path_);
    EXPECT_EQ(ReadIniValue(path_, "A", "k", "gone"), "gone");
    WriteIniValue(path_, "A", "j", "4");
    EXPECT_EQ(ReadFileBytes(path_), "[A]\r\nj=4\r\n");
}

TEST_F(ProfileTable, BatchWriteEqualsWritingOneAfterTheOther) {
    WriteFileBytes(path_, "[RUNI]\r\n5=old\r\n");
    WriteIniValues(path_, "RUNI", {{"0", "A"}, {"1", "B"}, {" ", "ignored"}, {"0", "C"}});
    EXPECT_EQ(ReadFileBytes(path_), "[RUNI]\r\n5=old\r\n0=C\r\n1=B\r\n");
}

TEST_F(ProfileTable, MissingFileGivesTheFallback) {
    EXPECT_EQ(ReadIniValue(folder_ / "absent.ini", "A", "k", "fb"), "fb");
    EXPECT_FALSE(FileExists(folder_ / "absent.ini"));
}

bool AnsiCodePageIsChinese() {
    return GetACP() == 936;
}

// The store cleans names before it uses them (leading bytes up to the blank
// go, and an empty name reads nothing); the reference does the same before
// calling Windows.
std::string CleanName(const std::string& name) {
    size_t start = 0;
    while (start < name.size() && static_cast<unsigned char>(name[start]) <= ' ') {
        ++start;
    }
    return name.substr(start);
}

std::string WindowsRead(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& fallback) {
    if (CleanName(section).empty() || CleanName(key).empty()) {
        return "";
    }
    std::string buffer(10240, '\0');
    const DWORD length = GetPrivateProfileStringA(CleanName(section).c_str(), CleanName(key).c_str(),
                                                  fallback.c_str(), buffer.data(), 10240, path.c_str());
    buffer.resize(length);
    return buffer;
}

TEST_F(ProfileTable, WindowsProfileFunctionsAgreeWithTheTable) {
    if (!AnsiCodePageIsChinese()) {
        GTEST_SKIP() << "Windows' profile functions handle GBK only under the ANSI code page 936";
    }
    for (const ReadCase& c : ReadCases()) {
        WriteFileBytes(path_, c.file);
        EXPECT_EQ(WindowsRead(path_, c.section, c.key, c.fallback), c.expected) << c.label;
    }
    for (const WriteCase& c : WriteCases()) {
        DeleteOneFile(path_);
        if (!c.file.empty()) {
            WriteFileBytes(path_, c.file);
        }
        WritePrivateProfileStringA(CleanName(c.section).c_str(), CleanName(c.key).c_str(), c.value.c_str(),
                                   path_.c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str()); // flush the cache
        EXPECT_EQ(ReadFileBytes(path_), c.expectedFile) << c.label;
        EXPECT_EQ(WindowsRead(path_, c.section, c.key, ""), c.readBack) << c.label;
    }
}

// The test is registered once per code page; this proves which one it ran under.
TEST(ProfileCodePage, RunsUnderTheConfiguredAnsiCodePage) {
    const char* language = std::getenv("LANG");
    if (language == nullptr) {
        GTEST_SKIP() << "LANG is not set for this run";
    }
    EXPECT_EQ(GetACP(), std::string(language).rfind("zh_CN", 0) == 0 ? 936u : 1252u) << language;
}

} // namespace
} // namespace zc
