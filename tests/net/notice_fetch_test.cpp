// The start-up notices: fetched from the loopback server, shown in the two
// boxes of the home page, and never holding up the program's end.
#include "cleaner/net/notice_fetch.h"
#include "cleaner/shell/command_ids.h"
#include "cleaner/shell/main_window.h"
#include "platform/file_system.h"
#include "platform/gbk.h"
#include "platform/window_text.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

namespace zc {
namespace {

const std::string kServer = "http://127.0.0.1:" + std::to_string(ZC_TEST_HTTP_PORT);
const std::string kClosedServer = "http://127.0.0.1:" + std::to_string(ZC_TEST_CLOSED_PORT);
const char* const kAnnouncement = "公告：新版规则已上线，欢迎使用！";
const char* const kUpdateNote = "更新：修复了若干问题。";

using Shown = std::vector<std::pair<NoticeBox, std::string>>;

Shown FetchFrom(const std::string& server) {
    Shown shown;
    FetchNotices(server, [&shown](NoticeBox box, const std::string& text) { shown.emplace_back(box, text); });
    return shown;
}

TEST(FetchNoticesTest, ShowsTheAnnouncementThenTheUpdateNote) {
    struct Case {
        std::string server;
        std::string announcement;
        std::string updateNote;
    };
    const Case cases[] = {
        {kServer, kAnnouncement, kUpdateNote},
        {kServer + "/empty", "", ""},
        {kServer + "/fail-acc", "", kUpdateNote},
        {kClosedServer, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FetchFrom(c.server),
                  (Shown{{NoticeBox::kAnnouncement, c.announcement}, {NoticeBox::kUpdateNote, c.updateNote}}))
            << c.server;
    }
}

class NoticeWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls),
                                      ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
    }
    void TearDown() override {
        if (IsWindow(window_)) {
            DestroyWindow(window_);
        }
    }
    // Creates the window and marks both boxes, so that the test sees when the
    // notice worker has written them, even with the empty text.
    void Open(const std::string& server) {
        window_ = MainWindow::Create(GetModuleHandleW(nullptr), core_, server);
        ASSERT_NE(window_, nullptr);
        SetWindowTextW(GetDlgItem(window_, ids::kAnnouncement), L"-");
        SetWindowTextW(GetDlgItem(window_, ids::kUpdateNote), L"-");
    }
    bool WaitForBoxes(const std::string& announcement, const std::string& updateNote) const {
        return testing::WaitUntil(
            [&] { return Box(ids::kAnnouncement) == announcement && Box(ids::kUpdateNote) == updateNote; });
    }
    std::string Box(int id) const { return GetWindowTextGbk(GetDlgItem(window_, id)); }

    testing::TempFolder folder_;
    CleanerCore core_{folder_.Path()};
    HWND window_ = nullptr;
};

TEST_F(NoticeWindowTest, ChineseNoticesAppearInBothBoxes) {
    Open(kServer);
    EXPECT_TRUE(WaitForBoxes(kAnnouncement, kUpdateNote))
        << Box(ids::kAnnouncement) << " / " << Box(ids::kUpdateNote);
}

TEST_F(NoticeWindowTest, WithTheServerDownBothBoxesAreEmpty) {
    Open(kClosedServer);
    EXPECT_TRUE(WaitForBoxes("", "")) << Box(ids::kAnnouncement) << " / " << Box(ids::kUpdateNote);
}

TEST_F(NoticeWindowTest, AFailedAnnouncementLeavesItsBoxEmptyAndTheUpdateNoteStillComes) {
    Open(kServer + "/fail-acc");
    EXPECT_TRUE(WaitForBoxes("", kUpdateNote)) << Box(ids::kAnnouncement) << " / " << Box(ids::kUpdateNote);
}

TEST(NoticeProgramTest, ClosingWhileANoticeRequestWaitsEndsTheProgram) {
    testing::TempFolder folder;
    const std::string exe = folder / "Zephon Cleaner.exe";
    ASSERT_TRUE(CopyOneFile(testing::WindowsPathOfUnixPath(ZC_WAITING_CLEANER_EXE), exe));
    testing::RunningProgram program(exe, folder.Path());
    HWND window = program.WaitForWindow(L"ZephonCleanerMain");
    ASSERT_NE(window, nullptr);
    // The server holds the notice request for two minutes; the program must
    // not wait for it (its own time-out alone would be thirty seconds).
    ASSERT_TRUE(program.CloseAndWait(window, 10000));
    EXPECT_EQ(program.ExitCode(), 0u);
}

} // namespace
} // namespace zc
