#include "common/folder_name.h"

#include <gtest/gtest.h>

namespace zc {
namespace {

TEST(FolderNameTest, RefusesNamesThatAreNotOneUsableName) {
    const char* const kRefused[] = {
        "",        ".",   "..",       "a/b",  "a\\b",     "\\a",   "C:",     "C:a",         "a<b",     "a>b",
        "a\"b",    "a|b", "a?b",      "a*b",  "a\tb",     "a\x7f", "CON",    "con",         "Con.txt", "PRN",
        "AUX.x.y", "NUL", "NUL .txt", "COM1", "com9.log", "LPT1",  "CONIN$", "conout$.txt", "a ",      "a.",
        "a. ",     "...", "\xb9", // a cut-off double-byte character
        "\xb9/",                  // a trail byte outside the trail range
    };
    for (const char* name : kRefused) {
        EXPECT_FALSE(IsUsableFolderName(name)) << name;
    }
}

TEST(FolderNameTest, AcceptsOrdinaryNames) {
    const char* const kAccepted[] = {
        "Program",          "Chrome",   "a b", ".hidden", "a.b.c", "CONSOLE", "COM0", "COM10", "LPT",
        "NULL.txt",         "x..y",
        "\xb9\xe6\xd4\xf2",             // a GBK word
        "\xb1\x5c",         "\x81\x7c", // double-byte characters whose trail byte is '\' or '|'
    };
    for (const char* name : kAccepted) {
        EXPECT_TRUE(IsUsableFolderName(name)) << name;
    }
}

} // namespace
} // namespace zc
