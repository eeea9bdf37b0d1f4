// The real program, started in its own folder: a rule placed in the rule tree
// is cleaned by pressing "执行应用清理".
#include "cleaner/shell/command_ids.h"
#include "platform/gbk.h"
#include "tests/script/file_tree.h"
#include "tests/script/rule_installer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver.h"

#include <gtest/gtest.h>

namespace zc {
namespace {

std::string ClipboardText() {
    std::string text = "<no clipboard>";
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            text = static_cast<const char*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

TEST(CleanupButtonTest, CleansARegisteredRuleEndToEnd) {
    testing::TempFolder folder;
    const CleanerCore core(folder.Path());
    core.CreateLayout();
    testing::MakeTree(folder.Path(), {"victim\\a.log", "victim\\b.txt", "victim\\sub\\c.log",
                                      "junk\\d\\e.txt", "gone.tmp", "dir\\"});
    const std::string script = "// cleans the victim\r\n"
                               "ECHO start %%USER%%\r\n"
                               "RML " +
                               (folder / "victim") +
                               " *.log True\r\n"
                               "RMR " +
                               (folder / "junk") +
                               "\r\n"
                               "RMF " +
                               (folder / "gone.tmp") +
                               "\r\n"
                               "RMF " +
                               (folder / "dir") +
                               "\r\n"
                               "GETREG v CURRENT_USER Software\\ZcTest\\missing\r\n"
                               "ECHO [%%v%%]\r\n"
                               "rmf x\r\n";
    testing::InstallRule(core, "Off", "ECHO never", "Program", "False");
    testing::InstallRule(core, "Victim", script);
    const std::string exe = folder / "Zephon Cleaner.exe";
    ASSERT_TRUE(CopyOneFile(testing::WindowsPathOfUnixPath(ZC_CLEANER_EXE), exe));

    testing::RunningProgram program(exe, folder.Path());
    HWND window = program.WaitForWindow(L"ZephonCleanerMain");
    ASSERT_NE(window, nullptr);
    HWND pane = GetDlgItem(window, ids::kCleanupLog);
    HWND status = GetDlgItem(window, ids::kStatusBar);
    ASSERT_TRUE(testing::WaitUntil([&] { return testing::TextOf(status) == "[系统状态]待命Ing..."; }));
    wchar_t user[256] = {};
    DWORD size = 256;
    GetUserNameW(user, &size);

    PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::kRunCleanup, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, ids::kRunCleanup)));

    const std::string expected =
        "[系统状态]已自动忽略关闭的规则  Off!\r\n"
        "[系统状态]执行规则  Victim...\r\n"
        "[INFO][Victim]start " +
        ToGbk(user) +
        "\r\n"
        "[ERROR]执行规则  Victim时，针对文件的处理发生了异常回调，此位于脚本行：6\r\n"
        "[INFO][Victim][]\r\n"
        "[ERROR]执行规则  Victim时，有无法识别的脚本命令，请升级软件版本或询问作者，此位于脚本行：9\r\n";
    EXPECT_TRUE(testing::WaitUntil([&] { return testing::TextOf(pane) == expected; }))
        << testing::TextOf(pane);
    EXPECT_TRUE(testing::WaitUntil([&] { return testing::TextOf(status) == "[系统状态]待命Ing..."; }));
    EXPECT_EQ(testing::Existing(folder.Path(), {"victim\\a.log", "victim\\b.txt", "victim\\sub\\c.log",
                                                "junk", "gone.tmp", "dir"}),
              (std::vector<std::string>{"victim\\b.txt", "dir"}));
    EXPECT_FALSE(FileExists(folder / "Rules\\Temp\\Vartemp.zct"));
    EXPECT_EQ(ClipboardText(), script);
    ASSERT_TRUE(program.CloseAndWait(window));
}

} // namespace
} // namespace zc
