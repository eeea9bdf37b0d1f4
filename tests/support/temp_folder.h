#pragma once
// A fresh, empty folder for one test, removed with everything in it afterwards.
#include <string>

namespace zc::testing {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's GBK path, without a trailing backslash.
    const std::string& Path() const { return path_; }
    // Path() + "\" + relative.
    std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

  private:
    std::string path_;
};

// Removes a folder with all its contents (test clean-up only).
void RemoveTreeForTest(const std::string& path);

} // namespace zc::testing
