#pragma once
// The maker's one window: the page "应用程序" with the rule's boxes and the
// button "导出", and the page "教程".
#include "rulesmaker/export_package.h"

#include "platform/window_object.h"

#include <windows.h>

#include <string>
#include <vector>

namespace zc {

class MakerWindow : public MakerMessages {
  public:
    // programDirectory receives the packages; workParent holds the export's
    // short-lived working folder.
    static HWND Create(HINSTANCE instance, const std::string& programDirectory,
                       const std::string& workParent);

    void ShowMessage(const std::string& text, const std::string& caption) override;

  private:
    MakerWindow(HWND window, std::string programDirectory, std::string workParent)
        : window_(window), programDirectory_(std::move(programDirectory)),
          workParent_(std::move(workParent)) {}
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    template <typename Object, typename Make>
    friend LRESULT RouteToWindowObject(HWND, UINT, WPARAM, LPARAM, Make);

    void CreateControls();
    void ShowPage(int page);
    std::string BoxText(int id) const;
    RuleFields Fields() const;

    HWND window_;
    std::string programDirectory_;
    std::string workParent_;
    HWND tabs_ = nullptr;
    std::vector<HWND> pages_[2];
};

} // namespace zc
