#include "cleaner/store/cleaner_core.h"
#include "cleaner/store/store_paths.h"
#include "common/seal.h"
#include "platform/file_system.h"
#include "platform/profile.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace zc {
namespace {

const char* const kLayout[] = {"Bin",         "Bin\\Config",    "Bin\\Style",
                               "Rules",       "Rules\\Program", "Rules\\System",
                               "Rules\\Auto", "Rules\\Temp",    "Rules\\Bukkit"};

class CleanerCoreTest : public ::testing::Test {
  protected:
    testing::TempFolder folder_;
    CleanerCore core_{folder_.Path()};

    void PlaceRule(const std::string& type, const std::string& name, const std::string& member,
                   const std::string& sealedScript) {
        CreateOneDirectory(folder_ / "Rules\\" + type + "\\" + name);
        WriteFileBytes(folder_ / "Rules\\" + type + "\\" + name + "\\Member.zcc", member);
        WriteFileBytes(folder_ / "Rules\\" + type + "\\" + name + "\\Main.zcc", sealedScript);
        WriteIniValue(folder_ / "Bin\\Config\\Rules.zcd", name, "Type", type);
    }
};

TEST_F(CleanerCoreTest, CreateLayoutMakesTheNineFoldersAndCanRunAgain) {
    core_.CreateLayout();
    for (const char* directory : kLayout) {
        EXPECT_TRUE(IsDirectory(folder_ / directory)) << directory;
    }
    WriteFileBytes(folder_ / "Bin\\Config\\Sum.zcd", "[Program]\r\nNumber=1\r\n");
    core_.CreateLayout();
    EXPECT_EQ(ReadFileBytes(folder_ / "Bin\\Config\\Sum.zcd"), "[Program]\r\nNumber=1\r\n");
}

TEST_F(CleanerCoreTest, CreateLayoutSkipsRulesWhenAPlainFileHasItsName) {
    WriteFileBytes(folder_ / "Rules", "not a folder");
    core_.CreateLayout();
    EXPECT_TRUE(IsDirectory(folder_ / "Bin\\Config"));
    EXPECT_TRUE(IsDirectory(folder_ / "Bin\\Style"));
    EXPECT_FALSE(IsDirectory(folder_ / "Rules"));
    EXPECT_FALSE(FileExists(folder_ / "Rules\\Program"));
}

TEST_F(CleanerCoreTest, SealedTextRoundTripsAndFailsQuietly) {
    const std::string path = folder_ / "list.zcd";
    for (const std::string& text :
         {std::string("\r\n&&A&&\r\n####"), std::string("规则 中文"), std::string(5000, 'z')}) {
        core_.WriteSealedText(text, path);
        EXPECT_EQ(core_.ReadSealedText(path), text);
        EXPECT_EQ(ReadFileBytes(path), SealBytes(text, kSettingsKey));
    }
    core_.WriteSealedText("", path);
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(core_.ReadSealedText(path), "");
    EXPECT_EQ(core_.ReadSealedText(folder_ / "absent.zcd"), "");
    WriteFileBytes(path, SealBytes("sealed elsewhere", kPackageKey));
    EXPECT_EQ(core_.ReadSealedText(path), "");
    WriteFileBytes(path, "12345678901");
    EXPECT_EQ(core_.ReadSealedText(path), "");
}

TEST_F(CleanerCoreTest, ReadSealedTextStopsAtTheFirstZeroByte) {
    WriteFileBytes(folder_ / "z.zcd", SealBytes(std::string("ab\0cd", 5), kSettingsKey));
    EXPECT_EQ(core_.ReadSealedText(folder_ / "z.zcd"), "ab");
}

TEST_F(CleanerCoreTest, RuleMetadataComesFromMemberAndRulesFiles) {
    core_.CreateLayout();
    PlaceRule("Program", "Chrome",
              "[Basic]\r\nName=Chrome\r\nAuthor=张三\r\nVersion=1.5\r\nProgramName=谷歌浏览器\r\nProcessName="
              "chrome.exe\r\n",
              "");
    EXPECT_EQ(core_.RuleType("Chrome"), "Program");
    EXPECT_EQ(core_.RuleAuthor("Program", "Chrome"), "张三");
    EXPECT_EQ(core_.RuleVersion("Program", "Chrome"), "1.5");
    EXPECT_EQ(core_.RuleProgramName("Program", "Chrome"), "谷歌浏览器");
    EXPECT_EQ(core_.RuleProcessName("Program", "Chrome"), "chrome.exe");
    EXPECT_EQ(core_.RuleAuthor("System", "Chrome"), "");
    EXPECT_EQ(core_.RuleType("Unknown"), "");
}

TEST_F(CleanerCoreTest, RuleIsEnabledOnlyForExactlyTrue) {
    core_.CreateLayout();
    const std::string sum = folder_ / "Bin\\Config\\Sum.zcd";
    const struct {
        const char* stored;
        bool enabled;
    } cases[] = {{"True", true},   {"true", false}, {"TRUE", false},
                 {"False", false}, {"", false},     {"True1", false}};
    for (const auto& c : cases) {
        WriteIniValue(sum, "ProgramStatus", "R", c.stored);
        EXPECT_EQ(core_.IsRuleEnabled("Program", "R"), c.enabled) << c.stored;
    }
    EXPECT_FALSE(core_.IsRuleEnabled("Program", "Missing"));
    EXPECT_FALSE(core_.IsRuleEnabled("System", "R"));
}

TEST_F(CleanerCoreTest, ReadRuleScriptUsesTheDefaultKeyOrTheStoredPassword) {
    core_.CreateLayout();
    const std::string script = "ECHO hello\r\nRMF %%USER%%\\a.txt";
    PlaceRule("Program", "Open", "[Basic]\r\nName=Open\r\n", SealBytes(script, kDefaultScriptKey));
    EXPECT_EQ(core_.ReadRuleScript("Open"), script);
    EXPECT_FALSE(core_.HasLoadPassword("Open"));

    PlaceRule("Program", "Locked", "[Basic]\r\nName=Locked\r\n", SealBytes(script, "secret"));
    EXPECT_EQ(core_.ReadRuleScript("Locked"), "");
    WriteIniValue(folder_ / "Bin\\Config\\Rules.zcd", "Locked", "LoadPass", "secret");
    EXPECT_TRUE(core_.HasLoadPassword("Locked"));
    EXPECT_EQ(core_.RuleLoadPassword("Locked"), "secret");
    EXPECT_EQ(core_.ReadRuleScript("Locked"), script);

    // A password left from an earlier check makes an unlocked script unreadable.
    WriteIniValue(folder_ / "Bin\\Config\\Rules.zcd", "Open", "LoadPass", "leftover");
    EXPECT_EQ(core_.ReadRuleScript("Open"), "");
    EXPECT_EQ(core_.ReadRuleScript("NotRegistered"), "");
}

} // namespace
} // namespace zc
