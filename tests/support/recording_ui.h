#pragma once
// A stand-in for the main window that records what the handlers show.
#include "cleaner/util/user_interface.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zc::testing {

using ShownMessage = std::pair<std::string, std::string>; // text, caption
using Messages = std::vector<ShownMessage>;

class RecordingUserInterface : public UserInterface {
  public:
    void ShowMessage(const std::string& text, const std::string& caption) override {
        messages.push_back({text, caption});
    }
    void ShowTimedMessage(const std::string& text, const std::string& caption) override {
        timedMessages.push_back({text, caption});
    }
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    void AppendCleanupLog(const std::string& text) override { cleanupLog += text; }
    void CopyToClipboard(const std::string& text) override { clipboard.push_back(text); }
    std::string ChooseOpenFile() override { return chosenFile; }
    void ShowLoadPasswordWindow() override {
        ++passwordWindows;
        if (onPasswordWindow) {
            onPasswordWindow();
        }
    }

    std::vector<ShownMessage> messages;
    std::vector<ShownMessage> timedMessages;
    std::vector<std::string> statuses;
    std::string cleanupLog;
    std::vector<std::string> clipboard;
    std::string chosenFile; // what the file dialog answers; empty: cancelled
    int passwordWindows = 0;
    // Runs in place of the modal load-password window, as the user would.
    std::function<void()> onPasswordWindow;
};

} // namespace zc::testing
