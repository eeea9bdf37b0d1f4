// Packages written by the rules maker, plain and locked, imported by the
// cleaner and run by its cleanup run.
#include "cleaner/packages/import_package.h"
#include "cleaner/packages/load_password.h"
#include "cleaner/script/cleanup_run.h"
#include "cleaner/store/store_paths.h"
#include "platform/file_system.h"
#include "platform/profile.h"
#include "rulesmaker/export_package.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace zc {
namespace {

class IgnoredMessages : public MakerMessages {
  public:
    void ShowMessage(const std::string& text, const std::string&) override { last = text; }
    std::string last;
};

class RoundTripTest : public ::testing::Test {
  protected:
    RoundTripTest() {
        core_.CreateLayout();
        CreateOneDirectory(maker_ / "work");
        CreateOneDirectory(sandbox_ / "logs");
        for (const char* file : {"a.txt", "b.txt", "logs\\1.log", "logs\\2.tmp"}) {
            WriteFileBytes(sandbox_ / file, "data");
        }
    }

    // Exports the rule with the maker and imports it into the cleaner.
    void ExportAndImport(const RuleFields& rule, const std::string& password) {
        IgnoredMessages makerMessages;
        ExportPackage(rule, maker_.Path(), maker_ / "work", makerMessages);
        ASSERT_TRUE(FileExists(maker_ / rule.name + ".zcp")) << makerMessages.last;
        ui_.chosenFile = maker_ / rule.name + ".zcp";
        ui_.onPasswordWindow = [&] {
            CheckLoadPassword(core_, password, [](const std::string&, const std::string&) {});
        };
        ImportPackage(core_, ui_);
        if (!rule.encryptionId.empty()) {
            ImportPackage(core_, ui_); // the second import completes once the password was accepted
        }
        ASSERT_EQ(ui_.messages.back(), (testing::ShownMessage{"已导入！", "Error"}));
        WriteIniValue(core_.PathOf(paths::kSum), "ProgramStatus", rule.name, "True");
    }

    RuleFields Rule(const std::string& name, const std::string& encryptionId) const {
        const std::string script = "ECHO start\r\nRMF " + sandbox_ / "a.txt" + "\r\nRML " +
                                   sandbox_ / "logs" + " *.log False\r\nECHO end";
        return {name, "作者", "1", "", "应用", "app.exe", encryptionId, "", script};
    }

    testing::TempFolder library_;
    testing::TempFolder maker_;
    testing::TempFolder sandbox_;
    CleanerCore core_{library_.Path()};
    testing::RecordingUserInterface ui_;
};

TEST_F(RoundTripTest, PlainRuleFromTheMakerIsImportedAndRun) {
    ExportAndImport(Rule("Plain", ""), "");
    RunCleanup(core_, ui_);
    EXPECT_FALSE(FileExists(sandbox_ / "a.txt"));
    EXPECT_FALSE(FileExists(sandbox_ / "logs\\1.log"));
    EXPECT_TRUE(FileExists(sandbox_ / "b.txt"));
    EXPECT_TRUE(FileExists(sandbox_ / "logs\\2.tmp"));
    EXPECT_NE(ui_.cleanupLog.find("[INFO][Plain]start\r\n"), std::string::npos) << ui_.cleanupLog;
    EXPECT_NE(ui_.cleanupLog.find("[INFO][Plain]end\r\n"), std::string::npos) << ui_.cleanupLog;
}

TEST_F(RoundTripTest, LockedRuleFromTheMakerRunsWithItsStoredPassword) {
    ExportAndImport(Rule("Locked", "maker secret"), "maker secret");
    EXPECT_EQ(ui_.passwordWindows, 1);
    EXPECT_EQ(ReadIniValue(core_.PathOf(paths::kRules), "Locked", "LoadPass"), "maker secret");
    RunCleanup(core_, ui_);
    EXPECT_FALSE(FileExists(sandbox_ / "a.txt"));
    EXPECT_TRUE(FileExists(sandbox_ / "b.txt"));
    EXPECT_NE(ui_.cleanupLog.find("[INFO][Locked]end\r\n"), std::string::npos) << ui_.cleanupLog;
}

} // namespace
} // namespace zc
