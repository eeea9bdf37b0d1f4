#pragma once
// What the cleaner's handlers need of the main window. The real window
// implements it; tests hand the handlers a recording stand-in.
#include <string>

namespace zc {

class UserInterface {
  public:
    virtual ~UserInterface() = default;

    // A message box with one OK button; returns when the user closes it.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
    // A message box that closes itself after five seconds.
    virtual void ShowTimedMessage(const std::string& text, const std::string& caption) = 0;
    // Pane 0 of the status bar.
    virtual void SetStatus(const std::string& text) = 0;
    // Appends text at the end of the cleanup pane.
    virtual void AppendCleanupLog(const std::string& text) = 0;
    // Places the text on the clipboard as CF_TEXT (GBK bytes).
    virtual void CopyToClipboard(const std::string& text) = 0;
    // The open-file dialog; the chosen full path, or "" when cancelled.
    virtual std::string ChooseOpenFile() = 0;
    // The load-password window, shown modally; returns when it closes.
    virtual void ShowLoadPasswordWindow() = 0;
};

} // namespace zc
