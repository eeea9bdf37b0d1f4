#include "tests/fakes/memory_script_host.h"

#include <gtest/gtest.h>

namespace zc::testing {
namespace {

TEST(MemoryScriptHostTest, VariablesCompareWithoutAsciiCase) {
    MemoryScriptHost host;
    host.StoreVariable("Rule", "Path", "C:\\x");
    host.StoreVariable("\xB0\x61", "v", "lower trail byte");

    EXPECT_EQ(host.ReadVariable("RULE", "path"), "C:\\x");
    EXPECT_EQ(host.ReadVariable("Other", "Path"), "");
    EXPECT_EQ(host.ReadVariable("Rule", "Never"), "");
    EXPECT_EQ(host.ReadVariable("\xB0\x61", "V"), "lower trail byte");
    EXPECT_EQ(host.ReadVariable("\xB0\x41", "v"), "");

    host.StoreVariable("rule", "PATH", "D:\\y");
    EXPECT_EQ(host.ReadVariable("Rule", "Path"), "D:\\y");
}

TEST(MemoryScriptHostTest, RegistryTextsAreFoundByHiveKeyAndValue) {
    MemoryScriptHost host;
    host.SetRegistryText(RegistryHive::CurrentUser, "Software\\App", "Dir", "C:\\App");
    host.SetRegistryText(RegistryHive::CurrentUser, "Software\\App", "", "default");

    EXPECT_EQ(host.ReadRegistryText(RegistryHive::CurrentUser, "SOFTWARE\\app", "dir"), "C:\\App");
    EXPECT_EQ(host.ReadRegistryText(RegistryHive::CurrentUser, "Software\\App", ""), "default");
    EXPECT_EQ(host.ReadRegistryText(RegistryHive::LocalMachine, "Software\\App", "Dir"), "");
    EXPECT_EQ(host.ReadRegistryText(RegistryHive::CurrentUser, "Software\\App\\Sub", "Dir"), "");
}

TEST(MemoryScriptHostTest, FilesUserAndLevelAreTheOnesSet) {
    MemoryScriptHost host;
    host.userName = "\xD5\xC5\xC8\xFD";
    host.securityLevel = 3;
    ASSERT_TRUE(host.files.AddFile("C:\\a.txt"));

    EXPECT_EQ(host.UserName(), "\xD5\xC5\xC8\xFD");
    EXPECT_EQ(host.SecurityLevel(), 3);
    EXPECT_TRUE(host.Files().DeleteOneFile("C:\\a.txt"));
    EXPECT_EQ(host.files.Removals().size(), 1u);
}

} // namespace
} // namespace zc::testing
