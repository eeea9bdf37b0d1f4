#include "common/folder_name.h"

#include "common/gbk_text.h"

#include <cctype>

namespace zc {
namespace {

bool IsForbiddenByte(unsigned char c) {
    switch (c) {
    case '<': case '>': case ':': case '"': case '/': case '\\': case '|': case '?': case '*':
        return true;
    default:
        return c < 0x20 || c == 0x7f;
    }
}

bool IsReservedDeviceName(const std::string& name) {
    std::string stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') {
        stem.pop_back();
    }
    for (char& c : stem) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL" || stem == "CONIN$" || stem == "CONOUT$") {
        return true;
    }
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           stem[3] >= '0' && stem[3] <= '9';
}

} // namespace

bool IsUsableFolderName(const std::string& name) {
    if (name.empty() || name.back() == ' ' || name.back() == '.' || IsReservedDeviceName(name)) {
        return false;
    }
    for (size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (IsGbkLeadByte(c)) {
            if (i + 1 == name.size()) {
                return false; // a lead byte without its second byte
            }
            ++i; // the second byte of a double-byte character may be any byte but zero
            if (name[i] == '\0') {
                return false;
            }
        } else if (IsForbiddenByte(c)) {
            return false;
        }
    }
    return true;
}

} // namespace zc
