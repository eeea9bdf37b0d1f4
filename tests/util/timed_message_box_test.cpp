// The self-closing message box and the search for its owner window.
#include "cleaner/util/timed_message_box.h"
#include "platform/file_system.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace zc {
namespace {

class OwnWindow {
  public:
    OwnWindow() {
        window_ = CreateWindowExW(0, L"STATIC", L"own", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    }
    ~OwnWindow() { DestroyWindow(window_); }
    HWND Handle() const { return window_; }

  private:
    HWND window_;
};

TEST(FindProcessWindowTest, PicksOnlyAVisibleWindowOfTheProcess) {
    OwnWindow own;
    ASSERT_NE(own.Handle(), nullptr);
    EXPECT_EQ(FindProcessWindow(GetCurrentProcessId(), 300), nullptr) << "hidden window chosen";
    ShowWindow(own.Handle(), SW_SHOW);
    EXPECT_EQ(FindProcessWindow(GetCurrentProcessId(), 2000), own.Handle());
}

TEST(FindProcessWindowTest, NeverPicksAnotherProcesssWindow) {
    testing::TempFolder folder;
    const std::string exe = folder / "Zephon Cleaner.exe";
    ASSERT_TRUE(CopyOneFile(testing::WindowsPathOfUnixPath(ZC_CLEANER_EXE), exe));
    testing::RunningProgram program(exe, folder.Path());
    HWND other = program.WaitForWindow(L"ZephonCleanerMain");
    ASSERT_NE(other, nullptr);
    OwnWindow hidden;
    EXPECT_EQ(FindProcessWindow(GetCurrentProcessId(), 300), nullptr);
    EXPECT_EQ(FindProcessWindow(program.Id(), 5000), other);
    ASSERT_TRUE(program.CloseAndWait(other));
}

TEST(TimedMessageBoxTest, IsOwnedByTheProcesssWindowAndClosesItself) {
    OwnWindow own;
    ShowWindow(own.Handle(), SW_SHOW);
    std::string caption;
    std::string text;
    HWND owner = nullptr;
    std::thread watcher([&] {
        testing::WaitUntil(
            [&] {
                HWND box = testing::FindTopWindow(GetCurrentProcessId(), L"#32770");
                if (box != nullptr) {
                    caption = testing::TextOf(box);
                    text = testing::TextOf(GetDlgItem(box, 0xFFFF));
                    owner = GetWindow(box, GW_OWNER);
                }
                return box != nullptr;
            },
            5000);
    });
    // Without an owner given, the visible window of this process owns the box.
    const int result =
        TimedMessageBox("扩展名有错,请返回检查,格式请看参数说明", 0, "友情提醒", nullptr, 1500);
    watcher.join();
    EXPECT_EQ(caption, "友情提醒");
    EXPECT_EQ(text, "扩展名有错,请返回检查,格式请看参数说明");
    EXPECT_EQ(owner, own.Handle());
    EXPECT_EQ(result, 32000 - 1); // MB_TIMEDOUT
}

} // namespace
} // namespace zc
