#pragma once
// Zephon Cleaner copied into a fresh program folder, started there and
// driven through its main window.
#include "tests/support/window_driver.h"

#include <memory>
#include <string>

namespace zc::e2e {

inline constexpr const char* kIdleStatus = "[系统状态]待命Ing...";

enum class Page { Home = 0, Programs = 1, Cleanup = 2 };

class CleanerSession {
  public:
    // Copies the program (a Linux path) into the folder (created when missing)
    // and starts it there.
    explicit CleanerSession(const std::string& folder, const std::string& program = ZC_CLEANER_EXE);

    DWORD ProcessId() const { return program_->Id(); }
    HWND Window() const { return window_; }
    HWND Control(int id) const;
    std::string Status() const;
    void WaitForStatus(const std::string& status) const;

    // Chooses "加入规则" and picks the file in the open-file dialog; the
    // messages of the import are left to the caller.
    void ChooseImport(const std::string& packagePath) const;
    void ChooseMenu(int command) const;
    // Opens the page by a click on its tab.
    void OpenPage(Page page) const;
    // Opens "应用程序" and switches the listed rule on by a click on its check box.
    void SwitchOnRule(const std::string& caption) const;
    // Opens "清理", presses "执行应用清理" and waits until the pane shows the expected text.
    void RunCleanupExpecting(const std::string& paneText) const;
    std::string PaneText() const;
    // Closes the window by its title bar and waits for the process to end.
    void Close();

  private:
    std::unique_ptr<testing::RunningProgram> program_;
    HWND window_ = nullptr;
};

} // namespace zc::e2e
