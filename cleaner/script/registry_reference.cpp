#include "cleaner/script/registry_reference.h"

#include "common/gbk_text.h"

namespace zc {
namespace {

struct HiveName {
    const char* name;
    RegistryHive hive;
};

const HiveName kHives[] = {
    {"CLASSES_ROOT", RegistryHive::ClassesRoot},
    {"LOCAL_MACHINE", RegistryHive::LocalMachine},
    {"USERS", RegistryHive::Users},
    {"CURRENT_CONFIG", RegistryHive::CurrentConfig},
    {"CURRENT_USER", RegistryHive::CurrentUser},
};

// Position of the last "\" that is not the second byte of a double-byte character.
std::size_t LastBackslash(const std::string& path) {
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsGbkLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size()) {
            ++i;
        } else if (path[i] == '\\') {
            last = i;
        }
    }
    return last;
}

} // namespace

bool ReadRegistryReference(ScriptHost& host, const std::string& hiveName, const std::string& path,
                           std::string& text) {
    for (const HiveName& hive : kHives) {
        if (hiveName == hive.name) {
            const std::size_t split = LastBackslash(path);
            text = split == std::string::npos
                       ? host.ReadRegistryText(hive.hive, "", path)
                       : host.ReadRegistryText(hive.hive, path.substr(0, split), path.substr(split + 1));
            return true;
        }
    }
    return false;
}

} // namespace zc
