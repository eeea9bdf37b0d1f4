#include "common/folder_name.h"

#include "common/gbk_text.h"

#include <cctype>
#include <cstring>

namespace zc {
namespace {

bool IsForbiddenSingleByte(unsigned char c) {
    return c < 0x20 || c == 0x7F || std::strchr("<>:\"/\\|?*", c) != nullptr;
}

std::string UpperAscii(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// Windows maps a device name to the device whatever extension follows it and
// ignores blanks before the extension.
bool IsReservedDeviceName(const std::string& name) {
    std::string base = UpperAscii(name.substr(0, name.find('.')));
    base.erase(base.find_last_not_of(' ') + 1);
    static const char* const kFixed[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* fixed : kFixed) {
        if (base == fixed) {
            return true;
        }
    }
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

} // namespace

bool IsUsableFolderName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || name.back() == ' ' || name.back() == '.') {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (IsGbkLeadByte(c)) {
            // The trail byte belongs to the character, even when it looks like '\' or '|'; a
            // byte outside the trail range would be read as a character of its own.
            const unsigned char trail = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
            if (trail < 0x40 || trail == 0x7F || trail == 0xFF) {
                return false;
            }
            ++i;
        } else if (IsForbiddenSingleByte(c)) {
            return false;
        }
    }
    return !IsReservedDeviceName(name);
}

} // namespace zc
