#pragma once
// A text value under HKEY_CURRENT_USER\Software\ZcTest that lives as long as
// the object.
#include <windows.h>

#include <string>

namespace zc::e2e {

class TestRegistryValue {
  public:
    TestRegistryValue(const std::string& name, const std::string& text);
    ~TestRegistryValue();
    TestRegistryValue(const TestRegistryValue&) = delete;
    TestRegistryValue& operator=(const TestRegistryValue&) = delete;

    // The value as a GETREG path: key path, a backslash, value name.
    std::string ScriptPath() const { return "Software\\ZcTest\\" + name_; }

  private:
    std::string name_;
};

} // namespace zc::e2e
