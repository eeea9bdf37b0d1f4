#pragma once
// The cleaner's main window: three tab pages, the menu bar and the status pane.
#include "cleaner/shell/rule_list_view.h"
#include "cleaner/store/cleaner_core.h"
#include "cleaner/util/user_interface.h"

#include "platform/window_object.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace zc {

class MainWindow : public UserInterface {
  public:
    // noticeServer: scheme, host and optional port of the server of the start-up notices.
    static HWND Create(HINSTANCE instance, const CleanerCore& core, const std::string& noticeServer);

    void ShowMessage(const std::string& text, const std::string& caption) override;
    void ShowTimedMessage(const std::string& text, const std::string& caption) override;
    void SetStatus(const std::string& text) override;
    void AppendCleanupLog(const std::string& text) override;
    void CopyToClipboard(const std::string& text) override;
    std::string ChooseOpenFile() override;
    void ShowLoadPasswordWindow() override;

  private:
    MainWindow(HWND window, const CleanerCore& core, std::string noticeServer)
        : window_(window), core_(core), noticeServer_(std::move(noticeServer)) {}
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    template <typename Object, typename Make>
    friend LRESULT RouteToWindowObject(HWND, UINT, WPARAM, LPARAM, Make);

    void CreateControls();
    void OnCreated();
    void OnCommand(int id);
    void OnNotify(const NMHDR* header);
    void OnDestroy();
    void ShowPage(int page);

    HWND window_;
    const CleanerCore& core_;
    const std::string noticeServer_;
    HWND tabs_ = nullptr;
    HWND statusBar_ = nullptr;
    HWND cleanupLog_ = nullptr;
    RuleListView ruleList_;
    std::vector<HWND> pages_[3];
};

} // namespace zc
