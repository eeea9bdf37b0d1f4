#include "common/folder_name.h"

#include <gtest/gtest.h>

#include <string>

namespace zc {
namespace {

TEST(IsUsableFolderName, AcceptsOrdinaryNamesAndRefusesEverythingThatLeavesOneFolder) {
    const struct {
        std::string name;
        bool usable;
    } cases[] = {
        {"Chrome", true},
        {"QQ Cache v2", true},
        {"\xb9\xe6\xd4\xf2", true},     // a Chinese name
        {"\x81\x5c", true},             // second byte 0x5C is not a backslash here
        {"a.b", true},
        {"CONSOLE", true},
        {"COM", true},
        {"", false},
        {".", false},
        {"..", false},
        {"a\\b", false},
        {"a/b", false},
        {"..\\..\\Windows", false},
        {"C:", false},
        {"C:\\x", false},
        {"a<b", false}, {"a>b", false}, {"a\"b", false}, {"a|b", false}, {"a?b", false}, {"a*b", false},
        {"tab\there", false},
        {"name ", false},
        {"name.", false},
        {"CON", false}, {"con", false}, {"Nul.txt", false}, {"COM1", false}, {"lpt9.log", false}, {"AUX ", false},
        {"\xb9", false},                // a lone lead byte
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsUsableFolderName(c.name), c.usable) << c.name;
    }
}

} // namespace
} // namespace zc
