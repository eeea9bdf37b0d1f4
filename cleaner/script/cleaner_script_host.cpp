#include "cleaner/script/cleaner_script_host.h"

#include "cleaner/store/store_paths.h"
#include "common/profile_number.h"
#include "platform/gbk.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/system_files.h"

#include <windows.h>

namespace zc {
namespace {

constexpr DWORD kUserNameBuffer = 50;

HKEY RootKeyOf(RegistryHive hive) {
    switch (hive) {
    case RegistryHive::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegistryHive::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    case RegistryHive::Users:
        return HKEY_USERS;
    case RegistryHive::CurrentConfig:
        return HKEY_CURRENT_CONFIG;
    case RegistryHive::CurrentUser:
        break;
    }
    return HKEY_CURRENT_USER;
}

} // namespace

FileOperations& CleanerScriptHost::Files() {
    return SystemFiles();
}

std::string CleanerScriptHost::UserName() {
    wchar_t buffer[kUserNameBuffer] = {};
    DWORD size = kUserNameBuffer;
    if (!GetUserNameW(buffer, &size)) {
        return "";
    }
    const std::string name = ToGbk(buffer);
    return name.size() < kUserNameBuffer ? name : "";
}

int CleanerScriptHost::SecurityLevel() {
    return ParseProfileNumber(ReadIniValue(core_.PathOf(paths::kSecurity), "Command", "Level", " 0"));
}

std::string CleanerScriptHost::ReadVariable(const std::string& ruleName, const std::string& name) {
    return ReadIniValue(core_.PathOf(paths::kVariableStore), ruleName, name);
}

void CleanerScriptHost::StoreVariable(const std::string& ruleName, const std::string& name,
                                      const std::string& value) {
    WriteIniValue(core_.PathOf(paths::kVariableStore), ruleName, name, value);
}

std::string CleanerScriptHost::ReadRegistryText(RegistryHive hive, const std::string& keyPath,
                                                const std::string& valueName) {
    return zc::ReadRegistryText(RootKeyOf(hive), keyPath, valueName);
}

} // namespace zc
