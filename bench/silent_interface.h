#pragma once
// A window stand-in for benchmarks: shows nothing, counts the logged bytes.
#include "cleaner/util/user_interface.h"

#include <cstddef>
#include <string>

class SilentInterface : public zc::UserInterface {
  public:
    void ShowMessage(const std::string&, const std::string&) override {}
    void ShowTimedMessage(const std::string&, const std::string&) override {}
    void SetStatus(const std::string&) override {}
    void AppendCleanupLog(const std::string& text) override { logBytes += text.size(); }
    void CopyToClipboard(const std::string&) override {}
    std::string ChooseOpenFile() override { return ""; }
    void ShowLoadPasswordWindow() override {}
    std::size_t logBytes = 0;
};
