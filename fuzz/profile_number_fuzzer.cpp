// ParseProfileNumber on arbitrary bytes: no overflow on any input, clamping
// at the ends of int, and plain decimal text reads as its value.
#include "common/profile_number.h"
#include "fuzz/fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// The value of sign and digits at the start of the text, clamped; nullopt-like
// false when the text does not start with plain ASCII decimal text.
bool PlainDecimal(const std::string& text, long long& value) {
    std::size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
    if (i == text.size() || text[i] < '0' || text[i] > '9') {
        return false;
    }
    value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), 1LL << 40);
    }
    value = text[0] == '-' ? -value : value;
    value = std::max<long long>(std::min<long long>(value, INT32_MAX), INT32_MIN);
    return i == text.size() || static_cast<unsigned char>(text[i]) < 0x80;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int number = zc::ParseProfileNumber(text);
    long long expected = 0;
    if (!text.empty() && PlainDecimal(text, expected)) {
        FUZZ_CHECK(number == expected);
    }
    FUZZ_CHECK(zc::ParseProfileNumber(" \t" + text) == number);
    return 0;
}
