#include "cleaner/store/registration_list.h"
#include "cleaner/store/rule_deletion.h"
#include "cleaner/store/store_paths.h"
#include "platform/file_system.h"
#include "platform/profile.h"
#include "common/directory_tree_delete.h"
#include "platform/system_files.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zc {
namespace {

using testing::ShownMessage;

class RuleDeletionTest : public ::testing::Test {
  protected:
    RuleDeletionTest() { core_.CreateLayout(); }

    void Import(const std::string& name, const std::string& type) {
        AppendRegistration(core_, paths::kConfigList, name);
        WriteIniValue(core_.PathOf(paths::kRules), name, "Type", type);
        const std::string folder = folder_ / "Rules\\" + type + "\\" + name;
        CreateOneDirectory(folder);
        WriteFileBytes(folder + "\\Member.zcc", "[Basic]\r\nName=" + name + "\r\n");
        WriteFileBytes(folder + "\\Main.zcc", "sealed");
        if (type == "Program") {
            WriteIniValue(
                core_.PathOf(paths::kSum), "Program", "Number",
                std::to_string(std::stoi("0" + ReadIniValue(core_.PathOf(paths::kSum), "Program", "Number")) +
                               1));
        }
    }
    std::string Counter(const std::string& type) const {
        return ReadIniValue(core_.PathOf(paths::kSum), type, "Number");
    }
    std::string ConfigText() const { return core_.ReadSealedText(core_.PathOf(paths::kConfigList)); }

    testing::TempFolder folder_;
    CleanerCore core_{folder_.Path()};
    testing::RecordingUserInterface ui_;
};

TEST_F(RuleDeletionTest, DeletingTheOnlyProgramRuleUndoesItsImport) {
    Import("Chrome", "Program");
    WriteIniValue(core_.PathOf(paths::kSum), "ProgramStatus", "Chrome", "True");
    EXPECT_EQ(Counter("Program"), "1");

    DeleteRule(core_, ui_, "Chrome");
    EXPECT_EQ(ui_.messages, (std::vector<ShownMessage>{{"已成功删除规则：Chrome", "ERROR"}}));
    EXPECT_EQ(ConfigText(), "\r\n####");
    EXPECT_EQ(Counter("Program"), "0");
    EXPECT_FALSE(FileExists(folder_ / "Rules\\Program\\Chrome"));
    EXPECT_TRUE(IsDirectory(folder_ / "Rules\\Program"));
    EXPECT_EQ(ReadFileBytes(core_.PathOf(paths::kRules)), "");
    // The switch stays behind for a later import under the same name.
    EXPECT_EQ(ReadIniValue(core_.PathOf(paths::kSum), "ProgramStatus", "Chrome"), "True");

    DeleteRule(core_, ui_, "Chrome");
    EXPECT_EQ(ui_.messages.back(), (ShownMessage{"该规则不存在！", "ERROR"}));
}

TEST_F(RuleDeletionTest, MissingCounterBecomesMinusOne) {
    Import("S", "System");
    DeleteRule(core_, ui_, "S");
    EXPECT_EQ(Counter("System"), "-1");
    EXPECT_FALSE(FileExists(folder_ / "Rules\\System\\S"));
}

TEST_F(RuleDeletionTest, NamesMustMatchExactly) {
    Import("ChromeCache", "Program");
    for (const char* typed : {"Chrome", "chromecache", "ChromeCache ", " ChromeCache", "Cache"}) {
        ui_.messages.clear();
        DeleteRule(core_, ui_, typed);
        EXPECT_EQ(ui_.messages, (std::vector<ShownMessage>{{"该规则不存在！", "ERROR"}})) << typed;
    }
    EXPECT_EQ(ConfigText(), "\r\n&&ChromeCache&&");
    EXPECT_TRUE(IsDirectory(folder_ / "Rules\\Program\\ChromeCache"));
    EXPECT_EQ(Counter("Program"), "1");
}

TEST_F(RuleDeletionTest, MiddleSectionGoesAndItsNeighboursStay) {
    Import("A", "Program");
    Import("B", "Program");
    Import("C", "Program");
    WriteIniValue(core_.PathOf(paths::kRules), "B", "LoadPass", "pw");
    DeleteRule(core_, ui_, "B");
    EXPECT_EQ(ReadFileBytes(core_.PathOf(paths::kRules)), "[A]\r\nType=Program\r\n[C]\r\nType=Program\r\n");
    EXPECT_EQ(ConfigText(), "\r\n&&A&&\r\n####\r\n&&C&&");
    EXPECT_TRUE(IsDirectory(folder_ / "Rules\\Program\\A"));
    EXPECT_TRUE(IsDirectory(folder_ / "Rules\\Program\\C"));
}

// A registration whose type is missing or odd must never take a type folder,
// the rule tree or another rule's folder with it.
TEST_F(RuleDeletionTest, RegistrationWithoutUsableTypeRemovesNoFolder) {
    Import("Keep", "Program");
    const struct {
        const char* name;
        const char* type; // nullptr: no section in Rules.zcd
    } cases[] = {{"Program", nullptr}, {"Keep", ".."}, {"x", "Program\\Keep"}, {"..", "Program"}};
    for (const auto& c : cases) {
        AppendRegistration(core_, paths::kConfigList, c.name);
        if (c.type != nullptr) {
            WriteIniValue(core_.PathOf(paths::kRules), c.name, "Type", c.type);
        }
        ui_.messages.clear();
        DeleteRule(core_, ui_, c.name);
        EXPECT_EQ(ui_.messages,
                  (std::vector<ShownMessage>{{std::string("已成功删除规则：") + c.name, "ERROR"}}));
        EXPECT_TRUE(IsDirectory(folder_ / "Rules\\Program\\Keep")) << c.name;
        EXPECT_TRUE(FileExists(folder_ / "Rules\\Program\\Keep\\Main.zcc")) << c.name;
        EXPECT_TRUE(IsDirectory(folder_ / "Rules\\Program")) << c.name;
    }
}

TEST(DeleteDirectoryTree, RefusesDrivesAndSkipsDotNamedEntries) {
    testing::TempFolder folder;
    const std::string tree = folder / "tree";
    CreateOneDirectory(tree);
    CreateOneDirectory(tree + "\\sub");
    WriteFileBytes(tree + "\\sub\\a.txt", "a");
    WriteFileBytes(tree + "\\b.txt", "b");
    WriteFileBytes(tree + "\\.keep", "k");
    DeleteDirectoryTree(SystemFiles(), tree);
    EXPECT_FALSE(FileExists(tree + "\\sub"));
    EXPECT_FALSE(FileExists(tree + "\\b.txt"));
    EXPECT_TRUE(FileExists(tree + "\\.keep")); // not visited, so the folder stays
    DeleteOneFile(tree + "\\.keep");
    DeleteDirectoryTree(SystemFiles(), "   " + tree);
    EXPECT_FALSE(FileExists(tree));

    for (const char* refused : {"", "   ", "Z:", "Z:\\"}) {
        DeleteDirectoryTree(SystemFiles(), refused); // must return without touching anything
    }
    EXPECT_TRUE(IsDirectory(folder.Path()));
}

} // namespace
} // namespace zc
