#pragma once
// A stand-in for the main window that records what the handlers show and
// answers the file dialog with a prepared path.
#include "cleaner/util/user_interface.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zc::testing {

using Message = std::pair<std::string, std::string>; // text, caption
using Messages = std::vector<Message>;

class RecordingUi : public UserInterface {
  public:
    std::string chosenFile;
    Messages messages;
    int passwordWindows = 0;
    // Runs in place of the modal load-password window, as the user would.
    std::function<void()> onPasswordWindow;

    void ShowMessage(const std::string& text, const std::string& caption) override {
        messages.emplace_back(text, caption);
    }
    void ShowTimedMessage(const std::string& text, const std::string& caption) override {
        messages.emplace_back(text, caption);
    }
    void SetStatus(const std::string&) override {}
    void AppendCleanupLog(const std::string&) override {}
    void CopyToClipboard(const std::string&) override {}
    std::string ChooseOpenFile() override { return chosenFile; }
    void ShowLoadPasswordWindow() override {
        ++passwordWindows;
        if (onPasswordWindow) {
            onPasswordWindow();
        }
    }
};

} // namespace zc::testing
