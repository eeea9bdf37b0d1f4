// Scripts no rules maker writes: binary bytes, cut-off double-byte characters,
// over-long and very many lines. Each line ends in the usual message or in
// silence, and nothing changes but what a line names.
#include "cleaner/script/cleaner_script_host.h"
#include "cleaner/script/script_interpreter.h"
#include "platform/file_system.h"
#include "tests/script/file_tree.h"
#include "tests/support/folder_snapshot.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace zc {
namespace {

using Tree = std::map<std::string, std::string>;

std::string Unrecognised(int line) {
    return "[ERROR]执行规则  R时，有无法识别的脚本命令，请升级软件版本或询问作者，此位于脚本行：" +
           std::to_string(line) + "\r\n";
}

// "T" + a double-byte character whose trail byte is "\": a name that a path
// ending in "T" + its lead byte would reach once a "\" is joined to it.
const std::string kLead = "\x81";
const std::string kJoined = "T" + kLead + "\\";

class HostileScriptTest : public ::testing::Test {
  protected:
    void SetUp() override {
        core_.CreateLayout();
        testing::MakeTree(files_.Path(), {"target\\a.txt", "target\\sub\\b.log", "outside\\keep.txt"});
        WriteFileBytes(files_ / (kJoined + "x.txt"), "data");
        WriteFileBytes(files_ / (kJoined + kJoined + "x.txt"), "data");
    }
    std::string Run(const std::string& script) {
        testing::RecordingUserInterface ui;
        RunRuleScript(host_, ui, "R", script);
        return ui.cleanupLog;
    }
    Tree Without(std::vector<std::string> removed) const {
        Tree tree = before_;
        for (const std::string& name : removed) {
            tree.erase(name);
        }
        return tree;
    }

    testing::TempFolder folder_;
    CleanerCore core_{folder_.Path()};
    CleanerScriptHost host_{core_};
    testing::TempFolder files_;
    Tree before_;
};

// Every byte but zero (scripts are read up to the first zero byte) and the
// ones given.
std::string AllBytesBut(const std::string& left) {
    std::string bytes;
    for (int c = 1; c < 256; ++c) {
        if (left.find(static_cast<char>(c)) == std::string::npos) {
            bytes += static_cast<char>(c);
        }
    }
    return bytes;
}

TEST_F(HostileScriptTest, BadLinesChangeNothingButWhatTheyName) {
    before_ = testing::TreeOf(files_.Path());
    const std::string& at = files_.Path();
    const std::string binary = AllBytesBut("\r");
    const std::string binaryMask = AllBytesBut("\r\n /\\");
    const struct {
        const char* what;
        std::string script;
        std::string log;
        Tree after;
    } cases[] = {
        {"binary line", binary, Unrecognised(1), before_},
        {"binary echo", "ECHO " + binary, "[INFO][R]" + binary + "\r\n", before_},
        {"binary file name", "RMF " + at + "\\target\\" + binary, "", before_},
        {"binary tree name", "RMR " + at + "\\target\\" + binary, "", before_},
        {"binary mask", "RML " + at + "\\target " + binaryMask + ".* True", "", before_},
        {"cut-off character after a file name", "RMF " + at + "\\target\\a.txt" + kLead, "", before_},
        {"cut-off character after a tree name", "RMR " + at + "\\target" + kLead, "", before_},
        {"tree name joined into a double-byte character", "RMR " + at + "\\T" + kLead, "", before_},
        // The lead byte takes the blank after it as its second byte, which leaves the line a field short.
        {"cut-off character before a field's blank", "RML " + at + "\\T" + kLead + " *.txt False",
         Unrecognised(1), before_},
        {"pattern directory ending in a character whose second byte is a backslash",
         "RML " + at + "\\" + kJoined + " *.txt False", "", before_},
        {"cut-off character ends the script", "RMF " + at + "\\target\\a.txt\r\nECHO " + kLead,
         "[INFO][R]" + kLead + "\r\n", Without({"target\\a.txt"})},
        {"unclosed variable", "RMF " + at + "\\target\\%%a.txt\r\nRMR " + at + "\\target\\%%", "", before_},
        {"megabyte echo", "ECHO " + std::string(1 << 20, 'x'),
         "[INFO][R]" + std::string(1 << 20, 'x') + "\r\n", before_},
        {"long file name", "RMF " + at + "\\target\\" + std::string(100000, 'a'), "", before_},
        {"long tree name", "RMR " + at + "\\" + std::string(100000, 'a'), "", before_},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.script), c.log) << c.what;
        const Tree after = testing::TreeOf(files_.Path());
        EXPECT_EQ(after, c.after) << c.what;
        for (const auto& [name, bytes] : before_) {
            if (after.count(name) == 0) {
                WriteFileBytes(files_ / name, bytes);
            }
        }
    }
}

TEST_F(HostileScriptTest, HundredThousandLinesRunToTheEnd) {
    std::string script;
    for (int line = 1; line < 100000; ++line) {
        script += line % 2 == 0 ? "// note\r\n" : "ECHO\r\n";
    }
    script += "RMF " + files_ / "target\\a.txt";
    std::string log;
    for (int line = 1; line < 100000; line += 2) {
        log += Unrecognised(line);
    }
    EXPECT_EQ(Run(script), log);
    EXPECT_FALSE(FileExists(files_ / "target\\a.txt"));
    EXPECT_TRUE(FileExists(files_ / "target\\sub\\b.log"));
}

} // namespace
} // namespace zc
