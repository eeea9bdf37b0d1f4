#include "tests/e2e/cleaner_session.h"

#include "cleaner/shell/command_ids.h"
#include "platform/file_system.h"
#include "tests/e2e/controls.h"
#include "tests/e2e/dialogs.h"
#include "tests/e2e/screenshots.h"
#include "tests/e2e/step.h"

namespace zc::e2e {

CleanerSession::CleanerSession(const std::string& folder, const std::string& program) {
    CreateOneDirectory(folder);
    const std::string exe = folder + "\\Zephon Cleaner.exe";
    Require(CopyOneFile(testing::WindowsPathOfUnixPath(program), exe), "the program could not be copied");
    program_ = std::make_unique<testing::RunningProgram>(exe, folder);
    Require(program_->Started(), "the program did not start");
    window_ = program_->WaitForWindow(L"ZephonCleanerMain", kPatienceMs);
    Require(window_ != nullptr, "the main window did not appear");
    Require(WaitUntilAnswering(window_), "the main window does not answer");
}

HWND CleanerSession::Control(int id) const {
    HWND control = GetDlgItem(window_, id);
    Require(control != nullptr, "the main window has no control " + std::to_string(id));
    return control;
}

std::string CleanerSession::Status() const {
    return testing::TextOf(Control(ids::kStatusBar));
}

void CleanerSession::WaitForStatus(const std::string& status) const {
    Require(testing::WaitUntil([&] { return Status() == status; }, kPatienceMs),
            "the status pane shows \"" + Status() + "\" instead of \"" + status + "\"");
}

void CleanerSession::ChooseMenu(int command) const {
    PostMessageW(window_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void CleanerSession::ChooseImport(const std::string& packagePath) const {
    ChooseMenu(ids::kMenuImport);
    ChooseFile(WaitForFileDialog(ProcessId()), packagePath);
}

void CleanerSession::OpenPage(Page page) const {
    ClickTab(Control(ids::kTabs), static_cast<int>(page));
}

void CleanerSession::SwitchOnRule(const std::string& caption) const {
    OpenPage(Page::Programs);
    HWND list = Control(ids::kRuleList);
    Require(testing::WaitUntil([&] { return ListItemCount(list) > 0; }, kPatienceMs),
            "the rule list stays empty");
    int position = -1;
    for (int i = 0; i < ListItemCount(list); ++i) {
        if (ListItemText(list, i) == caption) {
            position = i;
        }
    }
    Require(position >= 0, "the rule list does not show \"" + caption + "\"; its first item is \"" +
                               ListItemText(list, 0) + "\"");
    Require(!IsListItemChecked(list, position), "the new rule is already switched on");
    ClickListCheckBox(list, position);
    Screenshot(window_, "rule-list");
}

void CleanerSession::RunCleanupExpecting(const std::string& paneText) const {
    OpenPage(Page::Cleanup);
    PressButton(Control(ids::kRunCleanup));
    Require(testing::WaitUntil([&] { return PaneText() == paneText; }, kPatienceMs),
            "the cleanup pane holds\n" + PaneText() + "\ninstead of\n" + paneText);
    WaitForStatus(kIdleStatus);
    Screenshot(window_, "cleanup-pane");
}

std::string CleanerSession::PaneText() const {
    return testing::TextOf(Control(ids::kCleanupLog));
}

void CleanerSession::Close() {
    Require(program_->CloseAndWait(window_), "the program did not end after its window was closed");
}

} // namespace zc::e2e
