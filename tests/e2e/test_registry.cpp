#include "tests/e2e/test_registry.h"

#include "platform/gbk.h"
#include "tests/e2e/step.h"

namespace zc::e2e {

TestRegistryValue::TestRegistryValue(const std::string& name, const std::string& text) : name_(name) {
    HKEY key = nullptr;
    Require(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\ZcTest", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr) == ERROR_SUCCESS,
            "the test registry key could not be created");
    const std::wstring value = ToWide(text);
    const LONG written =
        RegSetValueExW(key, ToWide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    Require(written == ERROR_SUCCESS, "the test registry value could not be written");
}

TestRegistryValue::~TestRegistryValue() {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\ZcTest", ToWide(name_).c_str());
}

} // namespace zc::e2e
