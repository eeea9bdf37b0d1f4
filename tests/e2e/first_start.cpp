// First start in an empty folder: the layout, the pages, the about boxes, and
// the clean-up on closing.
#include "cleaner/shell/command_ids.h"
#include "platform/file_system.h"
#include "tests/e2e/cleaner_session.h"
#include "tests/e2e/controls.h"
#include "tests/e2e/dialogs.h"
#include "tests/e2e/scenarios.h"
#include "tests/e2e/screenshots.h"
#include "tests/e2e/step.h"

namespace zc::e2e {

void FirstStart(const ScenarioFolders& folders) {
    Step("start Zephon Cleaner in an empty folder");
    CleanerSession cleaner(folders.cleaner);
    RequireText(testing::TextOf(cleaner.Window()), "Zephon Cleaner", "the window caption");

    Step("wait until the status pane reports the program idle");
    cleaner.WaitForStatus(kIdleStatus);
    for (const char* folder : {"Bin", "Bin\\Config", "Bin\\Style", "Rules", "Rules\\Program", "Rules\\System",
                               "Rules\\Auto", "Rules\\Temp", "Rules\\Bukkit"}) {
        Require(IsDirectory(folders.cleaner + "\\" + folder),
                std::string("the folder ") + folder + " is missing");
    }
    Screenshot(cleaner.Window(), "home");

    Step("read the tabs and the controls of page \"首页\"");
    HWND tabs = cleaner.Control(ids::kTabs);
    Require(TabCount(tabs) == 3, "the tab control has " + std::to_string(TabCount(tabs)) + " tabs");
    const char* const pageNames[] = {"首页", "应用程序", "清理"};
    for (int i = 0; i < 3; ++i) {
        RequireText(TabText(tabs, i), pageNames[i], "tab " + std::to_string(i));
    }
    Require(IsWindowVisible(cleaner.Control(ids::kAnnouncement)) &&
                IsWindowVisible(cleaner.Control(ids::kUpdateNote)) &&
                !IsWindowVisible(cleaner.Control(ids::kRuleList)) &&
                !IsWindowVisible(cleaner.Control(ids::kRunCleanup)),
            "page \"首页\" does not show exactly its own controls");

    Step("open page \"应用程序\": an empty rule list");
    cleaner.OpenPage(Page::Programs);
    Require(IsWindowVisible(cleaner.Control(ids::kRuleList)) &&
                !IsWindowVisible(cleaner.Control(ids::kAnnouncement)),
            "the page does not show the rule list alone");
    cleaner.WaitForStatus("[系统状态]初始化完毕...");
    Require(ListItemCount(cleaner.Control(ids::kRuleList)) == 0,
            "the rule list of an empty library has items");

    Step("open page \"清理\": the buttons and an empty pane; \"清屏\" keeps it empty");
    cleaner.OpenPage(Page::Cleanup);
    Require(IsWindowVisible(cleaner.Control(ids::kRunCleanup)) &&
                IsWindowVisible(cleaner.Control(ids::kClearLog)) &&
                !IsWindowVisible(cleaner.Control(ids::kRuleList)),
            "the page does not show its buttons alone");
    RequireText(testing::TextOf(cleaner.Control(ids::kRunCleanup)), "执行应用清理", "the run button");
    RequireText(testing::TextOf(cleaner.Control(ids::kClearLog)), "清屏", "the clear button");
    PressButton(cleaner.Control(ids::kClearLog));
    RequireText(cleaner.PaneText(), "", "the cleanup pane");
    Screenshot(cleaner.Window(), "cleanup-page");

    Step("\"关于\" > \"关于软件\"");
    cleaner.ChooseMenu(ids::kMenuAbout);
    ExpectMessageBox(cleaner.ProcessId(), "信息：", "Zephon CleanerV0.1Beta");

    Step("\"关于\" > \"作者\"");
    cleaner.ChooseMenu(ids::kMenuAuthor);
    const MessageBoxSeen author = AnswerMessageBox(cleaner.ProcessId());
    RequireText(author.caption, "Tips", "the caption of the author box");
    Require(!author.text.empty(), "the author box is empty");

    Step("close the window: the list positions are removed");
    cleaner.Close();
    Require(!FileExists(folders.cleaner + "\\Bin\\Config\\temp.zcd"), "temp.zcd is still there");
}

} // namespace zc::e2e
