#include "cleaner/script/registry_reference.h"

#include "common/gbk_text.h"
#include "platform/registry.h"

namespace zc {
namespace {

struct Hive {
    const char* name;
    HKEY root;
};

const Hive kHives[] = {
    {"CLASSES_ROOT", HKEY_CLASSES_ROOT},     {"LOCAL_MACHINE", HKEY_LOCAL_MACHINE}, {"USERS", HKEY_USERS},
    {"CURRENT_CONFIG", HKEY_CURRENT_CONFIG}, {"CURRENT_USER", HKEY_CURRENT_USER},
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

bool ReadRegistryReference(const std::string& hiveName, const std::string& path, std::string& text) {
    for (const Hive& hive : kHives) {
        if (hiveName == hive.name) {
            const std::size_t split = LastBackslash(path);
            text = split == std::string::npos
                       ? ReadRegistryText(hive.root, "", path)
                       : ReadRegistryText(hive.root, path.substr(0, split), path.substr(split + 1));
            return true;
        }
    }
    return false;
}

} // namespace zc
