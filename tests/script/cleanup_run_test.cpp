// The cleanup run over the registration list, seen through a recording window.
#include "cleaner/script/cleaner_script_host.h"
#include "cleaner/script/cleanup_run.h"
#include "tests/support/recording_ui.h"
#include "tests/script/rule_installer.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace zc {
namespace {

using Texts = std::vector<std::string>;

class CleanupRunTest : public ::testing::Test {
  protected:
    void SetUp() override { core_.CreateLayout(); }

    testing::TempFolder folder_;
    CleanerCore core_{folder_.Path()};
    CleanerScriptHost host_{core_};
    testing::RecordingUserInterface ui_;
};

TEST_F(CleanupRunTest, RunsSwitchedOnProgramRulesInOrderAndSkipsTheOthers) {
    testing::InstallRule(core_, "A", "ECHO from A\r\nGETREG v NOWHERE x\r\nRMF " + (folder_ / "a.tmp"));
    testing::InstallRule(core_, "B", "ECHO from B", "System");
    testing::InstallRule(core_, "C", "ECHO from C", "Program", "true");
    testing::InstallRule(core_, "D", "ECHO from D\r\nFOO");
    WriteFileBytes(folder_ / "a.tmp", "x");
    // Deleted and empty entries between the rules write nothing.
    const std::string list = core_.PathOf(paths::kConfigList);
    core_.WriteSealedText("\r\n&&A&&\r\n####\r\n&&B&&\r\n&&C&&\r\n\r\n&&D&&\r\n&&E&&", list);

    RunCleanup(core_, ui_);

    EXPECT_EQ(ui_.cleanupLog,
              "[系统状态]执行规则  A...\r\n"
              "[INFO][A]from A\r\n"
              "[系统状态]执行应用程序清理，已自动忽略规则  B!\r\n"
              "[系统状态]已自动忽略关闭的规则  C!\r\n"
              "[系统状态]执行规则  D...\r\n"
              "[INFO][D]from D\r\n"
              "[ERROR]执行规则  D时，有无法识别的脚本命令，请升级软件版本或询问作者，此位于脚本行：2\r\n"
              "[系统状态]执行应用程序清理，已自动忽略规则  E!\r\n");
    EXPECT_FALSE(FileExists(folder_ / "a.tmp"));
    EXPECT_EQ(ui_.statuses, (Texts{"[系统状态]正在判断规则...", "[系统状态]待命Ing..."}));
    EXPECT_EQ(ui_.clipboard, (Texts{core_.ReadRuleScript("A"), "ECHO from D\r\nFOO"}));
}

TEST_F(CleanupRunTest, VariablesLiveForOneRunAndBelongToTheirRule) {
    host_.StoreVariable("A", "old", "left over");
    testing::InstallRule(core_, "A", "ECHO [%%old%%]\r\nGETREG v NOWHERE x");
    testing::InstallRule(core_, "B", "ECHO [%%old%%]");
    RunCleanup(core_, ui_);
    EXPECT_EQ(ui_.cleanupLog, "[系统状态]执行规则  A...\r\n[INFO][A][left over]\r\n"
                              "[系统状态]执行规则  B...\r\n[INFO][B][]\r\n");
    EXPECT_FALSE(FileExists(core_.PathOf(paths::kVariableStore)));
}

TEST_F(CleanupRunTest, AnEmptyListOnlySetsTheStatus) {
    host_.StoreVariable("A", "v", "x");
    RunCleanup(core_, ui_);
    RunCleanup(core_, ui_);
    EXPECT_EQ(ui_.cleanupLog, "");
    EXPECT_TRUE(ui_.clipboard.empty());
    EXPECT_EQ(ui_.statuses.size(), 4u);
    EXPECT_EQ(ui_.statuses.back(), "[系统状态]待命Ing...");
    EXPECT_FALSE(FileExists(core_.PathOf(paths::kVariableStore)));
}

TEST_F(CleanupRunTest, ARuleWithoutAScriptWritesItsHeaderOnly) {
    testing::InstallRule(core_, "A", "ECHO x");
    DeleteOneFile(core_.PathOf("\\Rules\\Program\\A\\Main.zcc"));
    RunCleanup(core_, ui_);
    EXPECT_EQ(ui_.cleanupLog, "[系统状态]执行规则  A...\r\n");
    EXPECT_EQ(ui_.clipboard, Texts{""});
}

} // namespace
} // namespace zc
