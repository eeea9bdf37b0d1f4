#include "common/profile_number.h"

#include <gtest/gtest.h>

namespace zc {
namespace {

TEST(ParseProfileNumber, ReadsLeadingDecimalNumbers) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"0", 0},
        {"12", 12},
        {"-1", -1},
        {"+7", 7},
        {" 0", 0},
        {"   42abc", 42},
        {"\t5", 5},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"3.9", 3},
        {"\xa3\xb1\xa3\xb2", 12},         // full-width digits 1 2
        {"\xa1\xa1\xa3\xad\xa3\xb5", -5}, // full-width blank, minus and 5
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseProfileNumber(c.text), c.value) << c.text;
    }
}

} // namespace
} // namespace zc
