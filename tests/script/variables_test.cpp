// Variable references in script lines: "%%USER%%" and the variable store.
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
};

TEST_F(VariablesTest, UserNameIsTheWindowsUser) {
    wchar_t buffer[256] = {};
    DWORD size = 256;
    ASSERT_TRUE(GetUserNameW(buffer, &size));
    ASSERT_FALSE(CurrentUserName().empty());
    EXPECT_EQ(CurrentUserName(), ToGbk(buffer));
}

TEST_F(VariablesTest, ExpandsTheFirstReferenceOfALine) {
    StoreVariable(core_, "R", "p", "C:\\Data");
    StoreVariable(core_, "R", "loop", "%%p%%");
    StoreVariable(core_, "Other", "q", "other rule");
    const std::string user = CurrentUserName();
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
        EXPECT_EQ(ExpandVariables(core_, c.line, "R"), c.expected) << c.line;
    }
}

TEST_F(VariablesTest, AStoredValueIsSeenByTheNextExpansion) {
    EXPECT_EQ(ExpandVariables(core_, "ECHO %%v%%", "R"), "ECHO ");
    StoreVariable(core_, "R", "v", "one");
    EXPECT_EQ(ExpandVariables(core_, "ECHO %%v%%", "R"), "ECHO one");
    StoreVariable(core_, "R", "v", "");
    EXPECT_EQ(ExpandVariables(core_, "ECHO %%v%%", "R"), "ECHO ");
    EXPECT_EQ(ReadIniValue(folder_ / "Rules\\Temp\\Vartemp.zct", "R", "v", "missing"), "");
}

TEST_F(VariablesTest, WithoutTheTempFolderEveryVariableIsEmpty) {
    RemoveEmptyDirectory(core_.PathOf(paths::kTempDir));
    StoreVariable(core_, "R", "v", "one");
    EXPECT_FALSE(FileExists(core_.PathOf(paths::kVariableStore)));
    EXPECT_EQ(ExpandVariables(core_, "ECHO [%%v%%]", "R"), "ECHO []");
}

} // namespace
} // namespace zc
