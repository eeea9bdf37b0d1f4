// Variable references in script lines: "%%USER%%" and the variable store.
#include "cleaner/script/cleaner_script_host.h"
#include "cleaner/script/variables.h"
#include "cleaner/store/store_paths.h"
#include "platform/file_system.h"
#include "platform/gbk.h"
#include "platform/profile.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace zc {
namespace {

class VariablesTest : public ::testing::Test {
  protected:
    void SetUp() override { core_.CreateLayout(); }

    testing::TempFolder folder_;
    CleanerCore core_{folder_.Path()};
    CleanerScriptHost host_{core_};
};

TEST_F(VariablesTest, UserNameIsTheWindowsUser) {
    wchar_t buffer[256] = {};
    DWORD size = 256;
    ASSERT_TRUE(GetUserNameW(buffer, &size));
    ASSERT_FALSE(host_.UserName().empty());
    EXPECT_EQ(host_.UserName(), ToGbk(buffer));
}

TEST_F(VariablesTest, ExpandsTheFirstReferenceOfALine) {
    host_.StoreVariable("R", "p", "C:\\Data");
    host_.StoreVariable("R", "loop", "%%p%%");
    host_.StoreVariable("Other", "q", "other rule");
    const std::string user = host_.UserName();
    const struct {
        const char* line;
        std::string expected;
    } cases[] = {
        {"ECHO %%p%% and %%p%%", "ECHO C:\\Data and C:\\Data"},
        {"ECHO %%p%% %%q%%", "ECHO C:\\Data %%q%%"},
        {"ECHO %%P%%", "ECHO C:\\Data"},
        {"ECHO %%q%%", "ECHO "},
        {"ECHO %%loop%%", "ECHO %%p%%"},
        {"RMF C:\\Users\\%%USER%%\\a.tmp", "RMF C:\\Users\\" + user + "\\a.tmp"},
        {"%%USER%%\\%%p%%", user + "\\C:\\Data"},
        {"%%USER%% %%USER%%", user + " " + user},
        {"ECHO %%user%%", "ECHO "},
        {"ECHO 50%% done", "ECHO 50%% done"},
        {"ECHO a%%%%b", "ECHO ab"},
        {"ECHO plain", "ECHO plain"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExpandVariables(host_, c.line, "R"), c.expected) << c.line;
    }
}

TEST_F(VariablesTest, AStoredValueIsSeenByTheNextExpansion) {
    EXPECT_EQ(ExpandVariables(host_, "ECHO %%v%%", "R"), "ECHO ");
    host_.StoreVariable("R", "v", "one");
    EXPECT_EQ(ExpandVariables(host_, "ECHO %%v%%", "R"), "ECHO one");
    host_.StoreVariable("R", "v", "");
    EXPECT_EQ(ExpandVariables(host_, "ECHO %%v%%", "R"), "ECHO ");
    EXPECT_EQ(ReadIniValue(folder_ / "Rules\\Temp\\Vartemp.zct", "R", "v", "missing"), "");
}

TEST_F(VariablesTest, WithoutTheTempFolderEveryVariableIsEmpty) {
    RemoveEmptyDirectory(core_.PathOf(paths::kTempDir));
    host_.StoreVariable("R", "v", "one");
    EXPECT_FALSE(FileExists(core_.PathOf(paths::kVariableStore)));
    EXPECT_EQ(ExpandVariables(host_, "ECHO [%%v%%]", "R"), "ECHO []");
}

} // namespace
} // namespace zc
