// Script line handling against the in-memory machine: how lines are split,
// classified and expanded, and what the deletions reach.
#include "cleaner/script/script_interpreter.h"
#include "tests/fakes/memory_script_host.h"
#include "tests/support/recording_ui.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zc {
namespace {

using testing::MemoryFiles;
using Names = std::vector<std::string>;

std::string Unrecognised(int line) {
    return "[ERROR]执行规则  R时，有无法识别的脚本命令，请升级软件版本或询问作者，此位于脚本行：" +
           std::to_string(line) + "\r\n";
}

// Data with a dot-named folder and a link out of it.
void AddData(MemoryFiles& files) {
    for (const char* file : {"C:\\data\\a.log", "C:\\data\\sub\\b.log", "C:\\data\\.git\\c.log",
                             "C:\\outside\\keep.log", "C:\\outside\\inner\\deep.log"}) {
        files.AddFile(file);
    }
    files.AddLink("C:\\data\\sub\\link", "C:\\outside");
}

std::string RunScript(ScriptHost& host, const std::string& script) {
    testing::RecordingUserInterface ui;
    RunRuleScript(host, ui, "R", script);
    return ui.cleanupLog;
}

Names RemovedPaths(const MemoryFiles& files) {
    Names removed;
    for (const testing::Removal& removal : files.Removals()) {
        removed.push_back(removal.removed);
    }
    return removed;
}

class ScriptLinesTest : public ::testing::Test {
  protected:
    void SetUp() override { AddData(host_.files); }
    std::string Run(const std::string& script) { return RunScript(host_, script); }
    // "@" in a script stands for the data folder.
    static std::string InData(std::string text) {
        for (size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at + 1)) {
            text.replace(at, 1, "C:\\data");
        }
        return text;
    }

    testing::MemoryScriptHost host_;
};

TEST(DoubleHashToSpace, ReplacesPairsLeftToRight) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"a##b", "a b"},
        {"a###b", "a #b"},
        {"a####b", "a  b"},
        {"##", " "},
        {"#", "#"},
        {"", ""},
        // "\x81##" is one double-byte character followed by "#": no pair starts on its second byte.
        {"\x81###", "\x81# "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DoubleHashToSpace(c.in), c.out) << c.in;
    }
}

TEST_F(ScriptLinesTest, ClassifiesLinesByTheirKeyword) {
    const struct {
        const char* script;
        std::string log;
    } cases[] = {
        {"ECHO a\r\n\r\nFOO\r\n", "[INFO][R]a\r\n" + Unrecognised(3)},
        {"ECHO ", "[INFO][R]\r\n"},
        {"ECHO  two  blanks ##", "[INFO][R] two  blanks ##\r\n"},
        {"ECHO", Unrecognised(1)},
        {"echo x", Unrecognised(1)},
        {" ECHO x", Unrecognised(1)},
        {"Echo x\r\nRMF\r\nRMRX", Unrecognised(1) + Unrecognised(2) + Unrecognised(3)},
        {"   ", Unrecognised(1)},
        {" // note", Unrecognised(1)},
        {"//note\r\n////\r\n//", ""},
        {"\r\n\r\nECHO third", "[INFO][R]third\r\n"},
        {"ECHO a\nECHO b\nFOO", "[INFO][R]a\nECHO b\nFOO\r\n"},
        {"ECHO a\rb", "[INFO][R]a\rb\r\n"},
        {"", ""},
        {"GETREG v", Unrecognised(1)},
        {"GETREG v CURRENT_USER", Unrecognised(1)},
        {"GETREG v CURRENT_USER ", Unrecognised(1)},
        {"GETREG v NOWHERE x\\y", ""},
        {"GETREG v current_user x\\y", ""},
        {"RML @", Unrecognised(1)},
        {"RML @ *.log", Unrecognised(1)},
        {"RML @ *.log yes", ""},
        {"RML @ *.log True extra words\r\nECHO next", "[INFO][R]next\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(InData(c.script)), c.log) << c.script;
    }
}

TEST_F(ScriptLinesTest, AnEmptyPathFieldDeletesNothing) {
    // The current directory is inside the data, so a relative reading would reach files.
    ASSERT_TRUE(host_.files.SetCurrentDirectory("C:\\data"));
    for (const char* line : {"RML  *.log True", "RML  *.* False", "RMR ", "RMR    ", "RMF ", "RMF ####"}) {
        Run(line);
        EXPECT_TRUE(host_.files.Removals().empty()) << line;
    }
}

TEST_F(ScriptLinesTest, GetregSplitsTheValueNameOffAtTheLastBackslash) {
    // "\x95\x5C" is one double-byte character whose second byte is "\".
    host_.SetRegistryText(RegistryHive::CurrentUser, "Software\\Zc", "dir", "C:\\data");
    host_.SetRegistryText(RegistryHive::CurrentUser, "Software\\Zc", "", "default");
    host_.SetRegistryText(RegistryHive::LocalMachine, "", "top", "root value");
    host_.SetRegistryText(RegistryHive::Users, "Software\\\x95\x5C", "v", "key with a trail byte");
    host_.SetRegistryText(RegistryHive::CurrentConfig, "Software", "\x95\x5C", "value with a trail byte");
    host_.SetRegistryText(RegistryHive::ClassesRoot, "A B", "c", "never read: the path ends at the blank");
    const struct {
        const char* line;
        const char* value;
    } cases[] = {
        {"GETREG v CURRENT_USER Software\\Zc\\dir", "C:\\data"},
        {"GETREG v CURRENT_USER software\\zc\\DIR", "C:\\data"},
        {"GETREG v CURRENT_USER Software\\Zc\\", "default"},
        {"GETREG v LOCAL_MACHINE top", "root value"},
        {"GETREG v USERS Software\\\x95\x5C\\v", "key with a trail byte"},
        {"GETREG v CURRENT_CONFIG Software\\\x95\x5C", "value with a trail byte"},
        {"GETREG v CLASSES_ROOT A B\\c", ""},
        {"GETREG v CURRENT_USER Software\\Zc\\missing", ""},
        {"GETREG v current_user Software\\Zc\\dir", "unchanged"},
        {"GETREG v HKEY_CURRENT_USER Software\\Zc\\dir", "unchanged"},
    };
    for (const auto& c : cases) {
        host_.StoreVariable("R", "v", "unchanged");
        EXPECT_EQ(Run(std::string(c.line) + "\r\nECHO [%%v%%]"),
                  "[INFO][R][" + std::string(c.value) + "]\r\n")
            << c.line;
    }
}

TEST_F(ScriptLinesTest, VariablesAreExpandedLineByLine) {
    host_.userName = "\xD5\xC5\xC8\xFD";
    host_.SetRegistryText(RegistryHive::CurrentUser, "Software\\Zc", "dir", "C:\\data");
    EXPECT_EQ(Run("ECHO [%%d%%]\r\nGETREG d CURRENT_USER Software\\Zc\\dir\r\nRMF %%D%%\\a.log\r\n"
                  "ECHO %%USER%% %%d%%"),
              "[INFO][R][]\r\n[INFO][R]\xD5\xC5\xC8\xFD C:\\data\r\n");
    EXPECT_EQ(RemovedPaths(host_.files), (Names{"C:\\data\\a.log"}));
}

TEST(ScriptLines, ALinkIsRemovedItselfAndNeverEntered) {
    const struct {
        const char* script;
        Names removed;
    } cases[] = {
        {"RMR C:\\data\\sub\\link", {"C:\\data\\sub\\link"}},
        // The dot-named folder stays, so the data folder stays too.
        {"RMR C:\\data", {"C:\\data\\a.log", "C:\\data\\sub\\b.log", "C:\\data\\sub\\link", "C:\\data\\sub"}},
        {"RML C:\\data *.* True", {"C:\\data\\a.log", "C:\\data\\sub\\b.log"}},
        {"RML C:\\data\\sub\\link *.log True", {"C:\\outside\\keep.log", "C:\\outside\\inner\\deep.log"}},
    };
    for (const auto& c : cases) {
        testing::MemoryScriptHost host;
        AddData(host.files);
        RunScript(host, c.script);
        EXPECT_EQ(RemovedPaths(host.files), c.removed) << c.script;
    }
}

} // namespace
} // namespace zc
