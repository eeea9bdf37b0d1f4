// The security level of Security.zcd and the gate in front of script lines.
#include "cleaner/script/cleaner_script_host.h"
#include "cleaner/script/script_interpreter.h"
#include "cleaner/script/security_level.h"
#include "platform/file_system.h"
#include "platform/profile.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace zc {
namespace {

const char* const kBlocked = "时，安全模块已拦截程序运行，若要执行请在设置中调高安全级别，此位于脚本行：";

class SecurityLevelTest : public ::testing::Test {
  protected:
    void SetUp() override { core_.CreateLayout(); }
    void SetLevel(const char* level) {
        WriteIniValue(folder_ / "Bin\\Config\\Security.zcd", "Command", "Level", level);
    }

    testing::TempFolder folder_;
    CleanerCore core_{folder_.Path()};
    CleanerScriptHost host_{core_};
};

TEST_F(SecurityLevelTest, LevelIsReadAsANumber) {
    EXPECT_EQ(host_.SecurityLevel(), 0);
    const struct {
        const char* text;
        int level;
    } cases[] = {{"0", 0}, {"5", 5}, {"abc", 0}, {"-1", -1}, {" -7x", -7}, {"", 0}};
    for (const auto& c : cases) {
        SetLevel(c.text);
        EXPECT_EQ(host_.SecurityLevel(), c.level) << c.text;
    }
}

TEST_F(SecurityLevelTest, EveryLineRequiresLevelZero) {
    for (const char* line : {"", "ECHO x", "RMR C:\\", "// note"}) {
        EXPECT_EQ(RequiredLevel(line), 0) << line;
    }
}

TEST_F(SecurityLevelTest, GateLetsLinesThroughUnlessTheLevelIsNegative) {
    const std::string script = "ECHO a\r\n\r\nRMF " + (folder_ / "victim.txt") + "\r\n";
    const struct {
        const char* level; // nullptr: no Security.zcd
        bool runs;
    } cases[] = {{nullptr, true}, {"0", true}, {"5", true}, {"abc", true}, {"-1", false}};
    for (const auto& c : cases) {
        DeleteOneFile(folder_ / "Bin\\Config\\Security.zcd");
        if (c.level != nullptr) {
            SetLevel(c.level);
        }
        WriteFileBytes(folder_ / "victim.txt", "x");
        testing::RecordingUserInterface ui;
        RunRuleScript(host_, ui, "R", script);
        const std::string label = c.level ? c.level : "missing";
        if (c.runs) {
            EXPECT_EQ(ui.cleanupLog, "[INFO][R]a\r\n") << label;
            EXPECT_FALSE(FileExists(folder_ / "victim.txt")) << label;
        } else {
            const std::string prefix = std::string("[ERROR]执行规则  R") + kBlocked;
            EXPECT_EQ(ui.cleanupLog, prefix + "1\r\n" + prefix + "2\r\n" + prefix + "3\r\n") << label;
            EXPECT_TRUE(FileExists(folder_ / "victim.txt")) << label;
        }
    }
}

} // namespace
} // namespace zc
