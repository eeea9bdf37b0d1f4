// The main window created in the test process: layout, menus, status texts
// and shutdown.
#include "cleaner/shell/command_ids.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/store/registration_list.h"
#include "cleaner/store/store_paths.h"
#include "platform/profile.h"
#include "platform/file_system.h"
#include "platform/gbk.h"
#include "platform/window_text.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace zc {
namespace {

std::string MenuText(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return ToGbk(text);
}

std::vector<std::string> MenuTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        texts.push_back(MenuText(menu, i));
    }
    return texts;
}

// Nothing listens there: the notice requests fail at once.
constexpr const char* kNoNoticeServer = "http://127.0.0.1:9";

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls),
                                      ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        window_ = MainWindow::Create(GetModuleHandleW(nullptr), core_, kNoNoticeServer);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(window_)) {
            DestroyWindow(window_);
        }
    }
    std::string StatusText() const { return GetWindowTextGbk(GetDlgItem(window_, ids::kStatusBar)); }
    bool WaitForIdle() const {
        return testing::WaitUntil([this] { return StatusText() == "[系统状态]待命Ing..."; });
    }
    RECT ClientRectOf(int id) const {
        RECT rect{};
        GetWindowRect(GetDlgItem(window_, id), &rect);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    testing::TempFolder folder_;
    CleanerCore core_{folder_.Path()};
    HWND window_ = nullptr;
};

TEST_F(MainWindowTest, FirstStartCreatesTheLayoutAndEndsIdle) {
    ASSERT_TRUE(WaitForIdle()) << StatusText();
    for (const char* directory : {"Bin", "Bin\\Config", "Bin\\Style", "Rules", "Rules\\Program",
                                  "Rules\\System", "Rules\\Auto", "Rules\\Temp", "Rules\\Bukkit"}) {
        EXPECT_TRUE(IsDirectory(folder_ / directory)) << directory;
    }
}

TEST_F(MainWindowTest, ShowsOnlyTheVisibleMenuItems) {
    HMENU bar = GetMenu(window_);
    EXPECT_EQ(MenuTexts(bar), (std::vector<std::string>{"常规", "关于"}));
    EXPECT_EQ(MenuTexts(GetSubMenu(bar, 0)), (std::vector<std::string>{"加入规则", "删除规则", "退出"}));
    EXPECT_EQ(MenuTexts(GetSubMenu(bar, 1)), (std::vector<std::string>{"作者", "关于软件"}));
    EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 0), 0), static_cast<UINT>(ids::kMenuImport));
    EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 1), 1), static_cast<UINT>(ids::kMenuAbout));
}

TEST_F(MainWindowTest, WindowAndControlsSitWhereTheLayoutSays) {
    RECT outer{};
    GetWindowRect(window_, &outer);
    EXPECT_EQ(GetWindowTextGbk(window_), "Zephon Cleaner");
    EXPECT_EQ(outer.left, 50);
    EXPECT_EQ(outer.top, 50);
    EXPECT_EQ(outer.right - outer.left, 554);
    EXPECT_EQ(outer.bottom - outer.top, 369);

    const struct {
        int id;
        int x, y, width, height;
        const char* text;
    } controls[] = {
        {ids::kTabs, 0, 0, 552, 304, ""},           {ids::kAnnouncement, 11, 40, 240, 96, ""},
        {ids::kUpdateNote, 11, 155, 240, 96, ""},   {ids::kRuleList, 8, 24, 528, 272, ""},
        {ids::kCleanupLog, 160, 24, 384, 272, ""},  {ids::kRunCleanup, 8, 40, 136, 32, "执行应用清理"},
        {ids::kClearLog, 10, 260, 136, 32, "清屏"},
    };
    for (const auto& c : controls) {
        const RECT rect = ClientRectOf(c.id);
        EXPECT_EQ(rect.left, c.x) << c.id;
        EXPECT_EQ(rect.top, c.y) << c.id;
        EXPECT_EQ(rect.right - rect.left, c.width) << c.id;
        EXPECT_EQ(rect.bottom - rect.top, c.height) << c.id;
        EXPECT_EQ(GetWindowTextGbk(GetDlgItem(window_, c.id)), c.text) << c.id;
    }
    EXPECT_EQ(testing::TabTexts(GetDlgItem(window_, ids::kTabs)),
              (std::vector<std::string>{"首页", "应用程序", "清理"}));
    for (int id : {ids::kAnnouncement, ids::kUpdateNote, ids::kCleanupLog}) {
        const LONG style = GetWindowLongW(GetDlgItem(window_, id), GWL_STYLE);
        EXPECT_TRUE(style & ES_MULTILINE) << id;
        EXPECT_TRUE(style & ES_READONLY) << id;
        EXPECT_TRUE(style & WS_VSCROLL) << id;
    }
}

TEST_F(MainWindowTest, ClearButtonEmptiesTheCleanupPane) {
    HWND log = GetDlgItem(window_, ids::kCleanupLog);
    SetWindowTextGbk(log, "[INFO][A]line\r\n[ERROR]执行规则  A\r\n");
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(ids::kClearLog, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window_, ids::kClearLog)));
    EXPECT_EQ(GetWindowTextGbk(log), "");
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(ids::kClearLog, BN_CLICKED), 0);
    EXPECT_EQ(GetWindowTextGbk(log), "");
}

TEST_F(MainWindowTest, ExitDestroysTheWindowAndRemovesTheListPositions) {
    ASSERT_TRUE(WaitForIdle());
    WriteFileBytes(core_.PathOf(paths::kListPositions), "[RUNI]\r\n0=A\r\n");
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(ids::kMenuExit, 0), 0);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_FALSE(FileExists(core_.PathOf(paths::kListPositions)));
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

class RuleListPageTest : public MainWindowTest {
  protected:
    void Register(const std::string& name, const std::string& author) {
        AppendRegistration(core_, paths::kConfigList, name);
        WriteIniValue(core_.PathOf(paths::kRules), name, "Type", "Program");
        CreateOneDirectory(folder_ / "Rules\\Program\\" + name);
        WriteFileBytes(folder_ / "Rules\\Program\\" + name + "\\Member.zcc",
                       "[Basic]\r\nName=" + name + "\r\nAuthor=" + author +
                           "\r\nVersion=1\r\nProgramName=P\r\n");
    }
    // What a click on a tab of the strip makes the tab control tell its parent.
    void ClickTab(int page) {
        HWND tabs = GetDlgItem(window_, ids::kTabs);
        SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
        for (UINT code : {static_cast<UINT>(TCN_SELCHANGE), static_cast<UINT>(NM_CLICK)}) {
            NMHDR header{tabs, static_cast<UINT_PTR>(ids::kTabs), code};
            SendMessageW(window_, WM_NOTIFY, ids::kTabs, reinterpret_cast<LPARAM>(&header));
        }
    }
    HWND List() const { return GetDlgItem(window_, ids::kRuleList); }
    std::string ItemText(int item) const {
        wchar_t text[256] = {};
        LVITEMW query{};
        query.iSubItem = 0;
        query.pszText = text;
        query.cchTextMax = 256;
        SendMessageW(List(), LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&query));
        return ToGbk(text);
    }
    std::string Switch(const std::string& name) const {
        return ReadIniValue(core_.PathOf(paths::kSum), "ProgramStatus", name);
    }
};

TEST_F(RuleListPageTest, ClickingThePageListsRulesAndAKeyboardCheckIsStored) {
    ASSERT_TRUE(WaitForIdle());
    Register("A", "甲");
    Register("B", "乙");
    ClickTab(1);
    ASSERT_EQ(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(ItemText(0), "[甲][1]A 适用于：P");
    EXPECT_EQ(ItemText(1), "[乙][1]B 适用于：P");
    EXPECT_EQ(StatusText(), "[系统状态]初始化完毕...");
    EXPECT_EQ(Switch("A"), ""); // marks set by the program store nothing

    // The user selects the second rule and presses the space bar.
    SetFocus(List());
    LVITEMW select{};
    select.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    select.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(List(), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&select));
    SendMessageW(List(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(List(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(Switch("B"), "True");
    EXPECT_EQ(Switch("A"), "False");
}

TEST_F(RuleListPageTest, TabClicksOntoOtherPagesChangeNothing) {
    ASSERT_TRUE(WaitForIdle());
    Register("A", "甲");
    for (int page : {0, 2}) {
        ClickTab(page);
        EXPECT_EQ(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), 0);
        EXPECT_FALSE(FileExists(core_.PathOf(paths::kListPositions)));
    }
    ClickTab(1);
    EXPECT_EQ(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), 1);
    CancelRegistration(core_, "A");
    ClickTab(1); // a click on the page already shown refreshes as well
    EXPECT_EQ(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), 0);
}

} // namespace
} // namespace zc
