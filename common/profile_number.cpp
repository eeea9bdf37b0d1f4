#include "common/profile_number.h"

#include <climits>

namespace zc {
namespace {

// GBK full-width forms: A3A1..A3FE are the ASCII characters 0x21..0x7E and
// A1A1 is the full-width blank.
std::string ToSingleByteForms(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0x81 && lead <= 0xFE && i + 1 < text.size()) {
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
                out += static_cast<char>(trail - 0xA1 + 0x21);
            } else if (lead == 0xA1 && trail == 0xA1) {
                out += ' ';
            } else {
                out += text.substr(i, 2);
            }
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

int ParseProfileNumber(const std::string& text) {
    const std::string plain = ToSingleByteForms(text);
    size_t i = 0;
    while (i < plain.size() && (plain[i] == ' ' || plain[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < plain.size() && (plain[i] == '+' || plain[i] == '-')) {
        negative = plain[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < plain.size() && plain[i] >= '0' && plain[i] <= '9'; ++i) {
        if (value <= static_cast<long long>(INT_MAX) + 1) {
            value = value * 10 + (plain[i] - '0');
        }
    }
    value = negative ? -value : value;
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

} // namespace zc
