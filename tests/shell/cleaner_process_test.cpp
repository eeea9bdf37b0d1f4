// The real program started in its own folder, driven through its window.
#include "cleaner/shell/command_ids.h"
#include "cleaner/shell/delete_rule_window.h"
#include "cleaner/store/cleaner_core.h"
#include "cleaner/store/registration_list.h"
#include "cleaner/store/store_paths.h"
#include "platform/gbk.h"
#include "platform/profile.h"
#include "platform/file_system.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver.h"

#include <gtest/gtest.h>

#include <string>

namespace zc {
namespace {

const char* const kIdle = "[系统状态]待命Ing...";

class CleanerProcessTest : public ::testing::Test {
  protected:
    std::string InstallProgram() {
        const std::string exe = folder_ / "Zephon Cleaner.exe";
        EXPECT_TRUE(CopyOneFile(testing::WindowsPathOfUnixPath(ZC_CLEANER_EXE), exe));
        return exe;
    }
    static std::string StatusOf(HWND window) { return testing::TextOf(GetDlgItem(window, ids::kStatusBar)); }
    static bool WaitForIdle(HWND window) {
        return testing::WaitUntil([window] { return StatusOf(window) == kIdle; });
    }

    testing::TempFolder folder_;
};

TEST_F(CleanerProcessTest, FirstStartCreatesTheLayoutAndClosingRemovesTheListPositions) {
    testing::RunningProgram program(InstallProgram(), folder_.Path());
    ASSERT_TRUE(program.Started());
    HWND window = program.WaitForWindow(L"ZephonCleanerMain");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForIdle(window)) << StatusOf(window);
    for (const char* directory : {"Bin", "Bin\\Config", "Bin\\Style", "Rules", "Rules\\Program",
                                  "Rules\\System", "Rules\\Auto", "Rules\\Temp", "Rules\\Bukkit"}) {
        EXPECT_TRUE(IsDirectory(folder_ / directory)) << directory;
    }
    WriteFileBytes(folder_ / "Bin\\Config\\temp.zcd", "[RUNI]\r\n0=A\r\n");
    ASSERT_TRUE(program.CloseAndWait(window));
    EXPECT_FALSE(FileExists(folder_ / "Bin\\Config\\temp.zcd"));
}

TEST_F(CleanerProcessTest, ExistingBinLeavesAMissingRulesFolderAlone) {
    CreateOneDirectory(folder_ / "Bin");
    testing::RunningProgram program(InstallProgram(), folder_.Path());
    HWND window = program.WaitForWindow(L"ZephonCleanerMain");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForIdle(window)) << StatusOf(window);
    EXPECT_FALSE(FileExists(folder_ / "Rules"));
    EXPECT_FALSE(FileExists(folder_ / "Bin\\Config"));
    ASSERT_TRUE(program.CloseAndWait(window));
}

TEST_F(CleanerProcessTest, AboutMenusShowTheirMessageBoxes) {
    testing::RunningProgram program(InstallProgram(), folder_.Path());
    HWND window = program.WaitForWindow(L"ZephonCleanerMain");
    ASSERT_NE(window, nullptr);
    const struct {
        int command;
        const char* caption;
        const char* text; // empty: any text
    } boxes[] = {
        {ids::kMenuAbout, "信息：", "Zephon CleanerV0.1Beta"},
        {ids::kMenuAuthor, "Tips", ""},
    };
    for (const auto& box : boxes) {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(box.command, 0), 0);
        HWND dialog = program.WaitForWindow(L"#32770", 10000);
        ASSERT_NE(dialog, nullptr) << box.caption;
        EXPECT_EQ(testing::TextOf(dialog), box.caption);
        const std::string text = testing::TextOf(GetDlgItem(dialog, 0xFFFF));
        if (*box.text != '\0') {
            EXPECT_EQ(text, box.text);
        } else {
            EXPECT_FALSE(text.empty());
        }
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(testing::WaitUntil([&] { return !IsWindow(dialog); }, 10000));
    }
    ASSERT_TRUE(program.CloseAndWait(window));
}

TEST_F(CleanerProcessTest, DeletionWindowRemovesARuleAndThenReportsItMissing) {
    CleanerCore core(folder_.Path());
    core.CreateLayout();
    AppendRegistration(core, paths::kConfigList, "Chrome");
    WriteIniValue(core.PathOf(paths::kRules), "Chrome", "Type", "Program");
    CreateOneDirectory(folder_ / "Rules\\Program\\Chrome");
    WriteFileBytes(folder_ / "Rules\\Program\\Chrome\\Member.zcc", "[Basic]\r\nName=Chrome\r\n");

    testing::RunningProgram program(InstallProgram(), folder_.Path());
    HWND window = program.WaitForWindow(L"ZephonCleanerMain");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForIdle(window));
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::kMenuDelete, 0), 0);
    HWND deletion = program.WaitForWindow(kDeleteRuleWindowClass, 10000);
    ASSERT_NE(deletion, nullptr);
    EXPECT_EQ(testing::TextOf(deletion), "删除规则");
    SendMessageW(GetDlgItem(deletion, kDeleteNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Chrome"));

    for (const char* expected : {"已成功删除规则：Chrome", "该规则不存在！"}) {
        PostMessageW(GetDlgItem(deletion, kDeleteButton), BM_CLICK, 0, 0);
        HWND box = program.WaitForWindow(L"#32770", 10000);
        ASSERT_NE(box, nullptr) << expected;
        EXPECT_EQ(testing::TextOf(box), "ERROR");
        EXPECT_EQ(testing::TextOf(GetDlgItem(box, 0xFFFF)), expected);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(testing::WaitUntil([&] { return !IsWindow(box); }, 10000));
        EXPECT_FALSE(FileExists(folder_ / "Rules\\Program\\Chrome"));
        EXPECT_TRUE(IsWindow(deletion)); // the window stays open after a deletion
    }
    PostMessageW(deletion, WM_CLOSE, 0, 0);
    ASSERT_TRUE(testing::WaitUntil([&] { return !IsWindow(deletion); }, 10000));
    EXPECT_EQ(core.ReadSealedText(core.PathOf(paths::kConfigList)), "\r\n####");
    ASSERT_TRUE(program.CloseAndWait(window));
}

} // namespace
} // namespace zc
