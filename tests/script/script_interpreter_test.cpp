// The script interpreter on real files and real registry keys.
#include "cleaner/script/cleaner_script_host.h"
#include "cleaner/script/script_interpreter.h"
#include "platform/gbk.h"
#include "tests/script/file_tree.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace zc {
namespace {

using Names = std::vector<std::string>;

std::string FileError(int line) {
    return "[ERROR]执行规则  R时，针对文件的处理发生了异常回调，此位于脚本行：" + std::to_string(line) +
           "\r\n";
}

class ScriptInterpreterTest : public ::testing::Test {
  protected:
    void SetUp() override { core_.CreateLayout(); }
    std::string Run(const std::string& script) {
        testing::RecordingUserInterface ui;
        RunRuleScript(host_, ui, "R", script);
        timedMessages_ = ui.timedMessages;
        return ui.cleanupLog;
    }
    // "@" in a script stands for the test folder.
    std::string InFolder(std::string text) const {
        for (size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at + 1)) {
            text.replace(at, 1, folder_.Path());
        }
        return text;
    }

    testing::TempFolder folder_;
    CleanerCore core_{folder_.Path()};
    CleanerScriptHost host_{core_};
    testing::Messages timedMessages_;
};

TEST_F(ScriptInterpreterTest, DeletesFilesAndReportsTheOnesThatStay) {
    const struct {
        const char* script;
        Names remaining; // of the tree below
        bool error;
    } cases[] = {
        {"RMF @\\a.txt", {"My Files\\b.txt", "x y.txt", "t\\1.tmp", "t\\2.tmp", "ro.txt", "dir"}, false},
        {"RMF @\\My Files\\b.txt", {"a.txt", "x y.txt", "t\\1.tmp", "t\\2.tmp", "ro.txt", "dir"}, false},
        {"RMF @\\x##y.txt", {"a.txt", "My Files\\b.txt", "t\\1.tmp", "t\\2.tmp", "ro.txt", "dir"}, false},
        {"RMF @\\missing.txt",
         {"a.txt", "My Files\\b.txt", "x y.txt", "t\\1.tmp", "t\\2.tmp", "ro.txt", "dir"},
         false},
        {"RMF @\\dir",
         {"a.txt", "My Files\\b.txt", "x y.txt", "t\\1.tmp", "t\\2.tmp", "ro.txt", "dir"},
         true},
        {"RMF @\\ro.txt",
         {"a.txt", "My Files\\b.txt", "x y.txt", "t\\1.tmp", "t\\2.tmp", "ro.txt", "dir"},
         true},
        {"RMF @\\t\\*.tmp",
         {"a.txt", "My Files\\b.txt", "x y.txt", "t\\1.tmp", "t\\2.tmp", "ro.txt", "dir"},
         true},
        {"RMR @\\t", {"a.txt", "My Files\\b.txt", "x y.txt", "ro.txt", "dir"}, false},
        {"RMR    @\\My##Files", {"a.txt", "x y.txt", "t\\1.tmp", "t\\2.tmp", "ro.txt", "dir"}, false},
        {"RMR @\\missing",
         {"a.txt", "My Files\\b.txt", "x y.txt", "t\\1.tmp", "t\\2.tmp", "ro.txt", "dir"},
         false},
        {"RMR @\\a.txt",
         {"a.txt", "My Files\\b.txt", "x y.txt", "t\\1.tmp", "t\\2.tmp", "ro.txt", "dir"},
         true},
        {"RML @ *.tmp True", {"a.txt", "My Files\\b.txt", "x y.txt", "ro.txt", "dir"}, false},
        {"RML @\\My##Files *.txt False",
         {"a.txt", "x y.txt", "t\\1.tmp", "t\\2.tmp", "ro.txt", "dir"},
         false},
    };
    for (const auto& c : cases) {
        testing::TempFolder tree;
        testing::MakeTree(tree.Path(),
                          {"a.txt", "My Files\\b.txt", "x y.txt", "t\\1.tmp", "t\\2.tmp", "ro.txt", "dir\\"});
        testing::SetReadOnly(tree / "ro.txt", true);
        std::string script = c.script;
        script.replace(script.find('@'), 1, tree.Path());
        EXPECT_EQ(Run(script), c.error ? FileError(1) : "") << c.script;
        EXPECT_EQ(testing::Existing(tree.Path(), {"a.txt", "My Files\\b.txt", "x y.txt", "t\\1.tmp",
                                                  "t\\2.tmp", "ro.txt", "dir"}),
                  c.remaining)
            << c.script;
        testing::SetReadOnly(tree / "ro.txt", false);
    }
}

TEST_F(ScriptInterpreterTest, TreeDeleteLeavesDotNamedEntriesAndReportsTheFailure) {
    testing::MakeTree(folder_.Path(), {"t\\a.txt", "t\\.keep", "t\\sub\\b.txt", "t\\.git\\c.txt"});
    EXPECT_EQ(Run(InFolder("RMR @\\t")), FileError(1));
    EXPECT_EQ(testing::Existing(folder_.Path(), {"t\\a.txt", "t\\.keep", "t\\sub", "t\\.git\\c.txt"}),
              (Names{"t\\.keep", "t\\.git\\c.txt"}));
}

TEST_F(ScriptInterpreterTest, DriveRootsAreNeverDeleted) {
    // A root that could be deleted would be a disaster; the refusal is silent
    // because the existence test does not find "C:\".
    for (const char* line : {"RMR C:\\", "RMR   C:", "RMR ", "RMR ####"}) {
        EXPECT_EQ(Run(line), "") << line;
    }
    EXPECT_TRUE(FileExists("C:\\windows"));
}

TEST_F(ScriptInterpreterTest, WrongMaskShowsTheTimedMessageAndTheScriptGoesOn) {
    testing::MakeTree(folder_.Path(), {"a.log", "sub\\b.log"});
    EXPECT_EQ(Run(InFolder("RML @ *log True\r\nRML @ sub\\*.log True\r\nECHO done")), "[INFO][R]done\r\n");
    EXPECT_EQ(timedMessages_, (testing::Messages(2, {"扩展名有错,请返回检查,格式请看参数说明", "友情提醒"})));
    EXPECT_EQ(testing::Existing(folder_.Path(), {"a.log", "sub\\b.log"}), (Names{"a.log", "sub\\b.log"}));
}

TEST_F(ScriptInterpreterTest, VariablesAreExpandedBeforeTheLineRuns) {
    host_.StoreVariable("R", "dir", folder_.Path());
    testing::MakeTree(folder_.Path(), {"a.tmp"});
    EXPECT_EQ(Run("RMF %%DIR%%\\a.tmp\r\nECHO %%USER%%"), "[INFO][R]" + host_.UserName() + "\r\n");
    EXPECT_FALSE(FileExists(folder_ / "a.tmp"));
}

class RegistryTest : public ScriptInterpreterTest {
  protected:
    void SetUp() override {
        ScriptInterpreterTest::SetUp();
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZcTest");
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\ZcTest\\Sub", 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZcTest");
    }
    void SetText(const wchar_t* name, DWORD type, const std::wstring& text) {
        RegSetValueExW(key_, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

    HKEY key_ = nullptr;
};

TEST_F(RegistryTest, ReadsTextValuesIntoVariables) {
    SetText(L"plain", REG_SZ, ToWide("C:\\数据"));
    SetText(L"expand", REG_EXPAND_SZ, L"%SystemRoot%\\x");
    SetText(L"", REG_SZ, L"default");
    SetText(L"multi", REG_MULTI_SZ, std::wstring(L"a\0b\0", 4));
    const DWORD number = 7;
    RegSetValueExW(key_, L"number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
    wchar_t systemRoot[MAX_PATH] = {};
    GetEnvironmentVariableW(L"SystemRoot", systemRoot, MAX_PATH);
    ASSERT_NE(systemRoot[0], L'\0');

    const struct {
        const char* line;
        std::string value;
    } cases[] = {
        {"GETREG v CURRENT_USER Software\\ZcTest\\Sub\\plain", "C:\\数据"},
        {"GETREG v CURRENT_USER Software\\ZcTest\\Sub\\expand", ToGbk(systemRoot) + "\\x"},
        {"GETREG v CURRENT_USER Software\\ZcTest\\Sub\\", "default"},
        {"GETREG v CURRENT_USER Software\\ZcTest\\Sub\\multi", ""},
        {"GETREG v CURRENT_USER Software\\ZcTest\\Sub\\number", ""},
        {"GETREG v CURRENT_USER Software\\ZcTest\\Sub\\missing", ""},
        {"GETREG v CURRENT_USER Software\\ZcTest\\Nothing\\x", ""},
        {"GETREG v CURRENT_USER Software\\ZcTest\\Sub\\plain and more", "C:\\数据"},
        {"GETREG v USERS nothing", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run("GETREG v CURRENT_USER Software\\ZcTest\\Sub\\plain\r\n" + std::string(c.line) +
                      "\r\nECHO [%%v%%]"),
                  "[INFO][R][" + c.value + "]\r\n")
            << c.line;
    }
}

TEST_F(RegistryTest, APathEndsAtTheFirstBlank) {
    HKEY spaced = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\ZcTest\\A B", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &spaced, nullptr),
              ERROR_SUCCESS);
    const std::wstring text = L"inside";
    RegSetValueExW(spaced, L"c", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), 14);
    RegCloseKey(spaced);
    SetText(L"A", REG_SZ, L"not this key");
    EXPECT_EQ(Run("GETREG v CURRENT_USER Software\\ZcTest\\A B\\c\r\nECHO [%%v%%]"), "[INFO][R][]\r\n");
    EXPECT_EQ(Run("GETREG v CURRENT_USER Software\\ZcTest\\Sub\\A B\\c\r\nECHO [%%v%%]"),
              "[INFO][R][not this key]\r\n");
}

} // namespace
} // namespace zc
