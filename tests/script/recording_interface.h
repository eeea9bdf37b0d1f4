#pragma once
// A stand-in for the main window that records what the handlers show.
#include "cleaner/util/user_interface.h"

#include <string>
#include <vector>

namespace zc::testing {

class RecordingInterface : public UserInterface {
  public:
    void ShowMessage(const std::string& text, const std::string& caption) override {
        messages.push_back(caption + ": " + text);
    }
    void ShowTimedMessage(const std::string& text, const std::string& caption) override {
        timedMessages.push_back(caption + ": " + text);
    }
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    void AppendCleanupLog(const std::string& text) override { log += text; }
    void CopyToClipboard(const std::string& text) override { clipboard.push_back(text); }
    std::string ChooseOpenFile() override { return ""; }

    std::vector<std::string> messages;
    std::vector<std::string> timedMessages;
    std::vector<std::string> statuses;
    std::string log;
    std::vector<std::string> clipboard;
};

} // namespace zc::testing
