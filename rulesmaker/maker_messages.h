#pragma once
// What the export needs of the window. The real window shows message boxes;
// tests hand the export a recording stand-in.
#include <string>

namespace zc {

class MakerMessages {
  public:
    virtual ~MakerMessages() = default;
    // A message box with one OK button; returns when the user closes it.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
};

} // namespace zc
