#include "cleaner/store/cleaner_core.h"
#include "cleaner/store/config_values.h"
#include "cleaner/store/registration_list.h"
#include "cleaner/store/store_paths.h"
#include "platform/file_system.h"
#include "platform/profile.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zc {
namespace {

class ConfigFilesTest : public ::testing::Test {
  protected:
    ConfigFilesTest() { core_.CreateLayout(); }

    std::string ConfigText() const { return core_.ReadSealedText(core_.PathOf(paths::kConfigList)); }
    std::string Sum(const std::string& section, const std::string& key) const {
        return ReadIniValue(core_.PathOf(paths::kSum), section, key);
    }

    testing::TempFolder folder_;
    CleanerCore core_{folder_.Path()};
};

TEST_F(ConfigFilesTest, RegistrationsAppendAndCancelAsLines) {
    EXPECT_FALSE(FileExists(core_.PathOf(paths::kConfigList)));
    for (const char* name : {"A", "B", "C"}) {
        AppendRegistration(core_, paths::kConfigList, name);
    }
    EXPECT_EQ(ConfigText(), "\r\n&&A&&\r\n&&B&&\r\n&&C&&");
    EXPECT_TRUE(CancelRegistration(core_, "B"));
    EXPECT_EQ(ConfigText(), "\r\n&&A&&\r\n####\r\n&&C&&");
    EXPECT_EQ(ListedRuleNames(ConfigText()), (std::vector<std::string>{"A", "C"}));
    EXPECT_FALSE(CancelRegistration(core_, "B"));
    EXPECT_EQ(ConfigText(), "\r\n&&A&&\r\n####\r\n&&C&&");
}

TEST_F(ConfigFilesTest, FirstAppendCreatesTheListFromNothing) {
    AppendRegistration(core_, paths::kProgramList, "规则一");
    EXPECT_EQ(core_.ReadSealedText(core_.PathOf(paths::kProgramList)), "\r\n&&规则一&&");
}

TEST_F(ConfigFilesTest, CancelMatchesTheWholeNameOnly) {
    AppendRegistration(core_, paths::kConfigList, "ChromeCache");
    EXPECT_FALSE(CancelRegistration(core_, "Chrome"));
    EXPECT_FALSE(CancelRegistration(core_, "chromecache"));
    EXPECT_FALSE(CancelRegistration(core_, "ChromeCache "));
    EXPECT_EQ(ConfigText(), "\r\n&&ChromeCache&&");
}

TEST_F(ConfigFilesTest, CancelReplacesEveryOccurrence) {
    core_.WriteSealedText("\r\n&&A&&\r\n&&B&&\r\n&&A&&", core_.PathOf(paths::kConfigList));
    EXPECT_TRUE(CancelRegistration(core_, "A"));
    EXPECT_EQ(ConfigText(), "\r\n####\r\n&&B&&\r\n####");
}

TEST(RegistrationLines, NamesOfLines) {
    const struct {
        const char* line;
        const char* name;
    } cases[] = {{"&&A&&", "A"},   {"&&A", ""},  {"A", ""},
                 {"x&&A&&y", "A"}, {"&&&&", ""}, {"&&规则&&", "规则"}};
    for (const auto& c : cases) {
        EXPECT_EQ(NameOfRegistrationLine(c.line), c.name) << c.line;
    }
    EXPECT_EQ(ListedRuleNames("\r\n&&A&&\r\n####\r\n\r\n&&broken\r\n&&C&&"),
              (std::vector<std::string>{"A", "", "C"}));
    EXPECT_TRUE(ListedRuleNames("").empty());
}

TEST_F(ConfigFilesTest, CountersAddFromZeroAndGoNegative) {
    AddToRuleCounter(core_, "Program", 1);
    EXPECT_EQ(Sum("Program", "Number"), "1");
    AddToRuleCounter(core_, "Program", -1);
    EXPECT_EQ(Sum("Program", "Number"), "0");
    AddToRuleCounter(core_, "System", -1);
    EXPECT_EQ(Sum("System", "Number"), "-1");
    WriteIniValue(core_.PathOf(paths::kSum), "Auto", "Number", "abc");
    AddToRuleCounter(core_, "Auto", 1);
    EXPECT_EQ(Sum("Auto", "Number"), "1");
}

TEST_F(ConfigFilesTest, CounterWithoutTypeWritesNothing) {
    AddToRuleCounter(core_, "", -1);
    EXPECT_EQ(ReadFileBytes(core_.PathOf(paths::kSum)), "");
}

TEST_F(ConfigFilesTest, RemoveSectionCutsUpToTheNextHeader) {
    const std::string path = core_.PathOf(paths::kRules);
    const struct {
        const char* label;
        const char* before;
        const char* section;
        const char* after;
    } cases[] = {
        {"last section", "[A]\r\nType=Program\r\n[B]\r\nType=Program\r\n", "B", "[A]\r\nType=Program\r\n"},
        {"middle section",
         "[A]\r\nType=Program\r\n[B]\r\nType=Program\r\nLoadPass=x\r\n[C]\r\nType=System\r\n", "B",
         "[A]\r\nType=Program\r\n[C]\r\nType=System\r\n"},
        {"absent section", "[A]\r\nType=Program\r\n", "B", "[A]\r\nType=Program\r\n"},
        {"exact case only", "[A]\r\nType=Program\r\n", "a", "[A]\r\nType=Program\r\n"},
        {"only section", "[规则]\r\nType=Program\r\n", "规则", ""},
    };
    for (const auto& c : cases) {
        WriteFileBytes(path, c.before);
        RemoveIniSection(path, c.section);
        EXPECT_EQ(ReadFileBytes(path), c.after) << c.label;
    }
    DeleteOneFile(path);
    RemoveIniSection(path, "A");
    EXPECT_FALSE(FileExists(path));
}

} // namespace
} // namespace zc
