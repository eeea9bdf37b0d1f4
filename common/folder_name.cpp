#include "common/folder_name.h"

#include <cctype>
#include <cstring>

namespace zc {
namespace {

bool IsReservedDeviceName(const std::string& name) {
    std::string stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') {
        stem.pop_back();
    }
    for (char& c : stem) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* device : kDevices) {
        if (stem == device) {
            return true;
        }
    }
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           stem[3] >= '0' && stem[3] <= '9';
}

// Only single-byte positions are tested: a GBK trail byte may equal '\\' or '|'.
bool HasForbiddenCharacter(const std::string& name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c >= 0x81 && c <= 0xFE && i + 1 < name.size()) {
            ++i;
            continue;
        }
        if (c < 0x20 || std::strchr("<>:\"/\\|?*", c) != nullptr) {
            return true;
        }
    }
    return false;
}

} // namespace

bool IsUsableFolderName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || name.back() == ' ' || name.back() == '.') {
        return false;
    }
    return !HasForbiddenCharacter(name) && !IsReservedDeviceName(name);
}

} // namespace zc
