#include "platform/registry.h"

#include "platform/gbk.h"

namespace zc {
namespace {

std::wstring UpToZero(const std::wstring& text) {
    return text.substr(0, text.find(L'\0'));
}

std::wstring ExpandEnvironment(const std::wstring& text) {
    const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (needed == 0) {
        return text;
    }
    std::wstring expanded(needed, L'\0');
    ExpandEnvironmentStringsW(text.c_str(), expanded.data(), needed);
    return UpToZero(expanded);
}

} // namespace

std::string ReadRegistryText(HKEY root, const std::string& keyPath, const std::string& valueName) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, ToWide(keyPath).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return "";
    }
    const std::wstring name = ToWide(valueName);
    DWORD type = 0;
    DWORD size = 0;
    std::wstring text;
    LONG result = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (result == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ)) {
        text.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        result =
            RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return "";
    }
    text = UpToZero(text);
    return ToGbk(type == REG_EXPAND_SZ ? ExpandEnvironment(text) : text);
}

} // namespace zc
