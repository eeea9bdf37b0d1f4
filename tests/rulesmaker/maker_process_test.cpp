// The real ZC-RulesMaker.exe started in its own folder and driven through its
// window: boxes filled, "导出" clicked, the message box read and closed.
#include "common/seal.h"
#include "platform/file_system.h"
#include "platform/gbk.h"
#include "rulesmaker/control_ids.h"
#include "tests/rulesmaker/package_contents.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace zc {
namespace {

class MakerProcessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(
            CopyOneFile(testing::WindowsPathOfUnixPath(ZC_RULESMAKER_EXE), folder_ / "ZC-RulesMaker.exe"));
    }
    static void Fill(HWND window, int id, const std::string& text) {
        const std::wstring wide = ToWide(text);
        SendMessageW(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    // Clicks "导出" and returns the caption and text of the message box, closing it.
    static std::pair<std::string, std::string> ClickExport(const testing::RunningProgram& program,
                                                           HWND window) {
        PostMessageW(GetDlgItem(window, maker_ids::kExport), BM_CLICK, 0, 0);
        HWND box = program.WaitForWindow(L"#32770", 10000);
        if (box == nullptr) {
            return {};
        }
        std::pair<std::string, std::string> shown{testing::TextOf(box),
                                                  testing::TextOf(GetDlgItem(box, 0xFFFF))};
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        testing::WaitUntil([&] { return !IsWindow(box); }, 10000);
        return shown;
    }

    testing::TempFolder folder_;
};

TEST_F(MakerProcessTest, ExportWritesALockedPackageIntoTheProgramFolder) {
    testing::RunningProgram program(folder_ / "ZC-RulesMaker.exe", folder_.Path());
    ASSERT_TRUE(program.Started());
    HWND window = program.WaitForWindow(L"ZephonRulesMakerMain");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(testing::TextOf(window), "Zephon Cleaner Rules Maker");

    Fill(window, maker_ids::kName, "DesktopTemp");
    EXPECT_EQ(ClickExport(program, window),
              std::make_pair(std::string("Error"), std::string("需要填写应用程序的名称")));

    Fill(window, maker_ids::kProgramName, "桌面");
    Fill(window, maker_ids::kEncryptionId, "k3y");
    Fill(window, maker_ids::kScript, "ECHO 你好\r\nRMF C:\\x.tmp");
    EXPECT_EQ(
        ClickExport(program, window),
        std::make_pair(std::string("ZC-RulesMaker"), std::string("导出完成，已成功导出到运行目录下！")));

    EXPECT_EQ(testing::NamesIn(folder_.Path()),
              (std::vector<std::string>{"DesktopTemp.zcp", "ZC-RulesMaker.exe"}));
    const auto members = testing::PackageMembers(folder_ / "DesktopTemp.zcp");
    ASSERT_EQ(members.size(), 4u);
    EXPECT_EQ(UnsealBytes(members.at("Main.zcc"), "k3y"), "ECHO 你好\r\nRMF C:\\x.tmp");
    EXPECT_NE(members.at("Member.zcc").find("ProgramName=桌面\r\n"), std::string::npos);
    EXPECT_NE(members.at("Member.zcc").find("LockLoad=True\r\n"), std::string::npos);
    EXPECT_TRUE(program.CloseAndWait(window));
}

} // namespace
} // namespace zc
