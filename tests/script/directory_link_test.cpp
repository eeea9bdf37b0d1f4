// Directory links inside trees given to RMR and to a recursive RML: the link's
// target is never touched. Wine cannot make links itself, so a setup step
// builds the trees with Linux symbolic links and names their folder in
// ZC_LINK_FIXTURE (a Linux path). Wine cannot remove such a link either; that
// the link itself goes is checked on the in-memory machine of the script line
// tests.
#include "cleaner/script/cleaner_script_host.h"
#include "cleaner/script/script_interpreter.h"
#include "platform/directory_search.h"
#include "platform/file_system.h"
#include "tests/script/file_tree.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace zc {
namespace {

using Names = std::vector<std::string>;

class DirectoryLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* fixture = std::getenv("ZC_LINK_FIXTURE");
        ASSERT_NE(fixture, nullptr) << "run through ctest: the setup step makes the links";
        root_ = testing::WindowsPathOfUnixPath(fixture);
    }
    // <case>\tree\a.txt, <case>\tree\sub\b.txt, <case>\tree\sub\link -> <case>\target
    std::string Case(const char* name) const { return root_ + "\\" + name; }
    static Names TargetFiles(const std::string& folder) {
        return testing::Existing(folder, {"target\\keep.txt", "target\\inner\\deep.txt"});
    }

    std::string root_;
    testing::TempFolder folder_;
    CleanerCore core_{folder_.Path()};
    CleanerScriptHost host_{core_};
};

TEST_F(DirectoryLinkTest, TheSetupMadeADirectoryLink) {
    EXPECT_TRUE(IsLink(Case("rmr") + "\\tree\\sub\\link"));
    EXPECT_EQ(TargetFiles(Case("rmr")), (Names{"target\\keep.txt", "target\\inner\\deep.txt"}));
}

TEST_F(DirectoryLinkTest, TreeDeleteRemovesTheLinkButNotWhatItLeadsTo) {
    testing::RecordingUserInterface ui;
    RunRuleScript(host_, ui, "R", "RMR " + Case("rmr") + "\\tree");
    EXPECT_EQ(TargetFiles(Case("rmr")), (Names{"target\\keep.txt", "target\\inner\\deep.txt"}));
    EXPECT_EQ(testing::Existing(Case("rmr"), {"tree\\a.txt", "tree\\sub\\b.txt"}), Names{});
}

TEST_F(DirectoryLinkTest, TreeDeleteOfALinkLeavesWhatItLeadsTo) {
    testing::RecordingUserInterface ui;
    RunRuleScript(host_, ui, "R", "RMR " + Case("top") + "\\tree\\sub\\link");
    EXPECT_EQ(TargetFiles(Case("top")), (Names{"target\\keep.txt", "target\\inner\\deep.txt"}));
}

TEST_F(DirectoryLinkTest, RecursiveMaskDeleteDoesNotEnterTheLink) {
    testing::RecordingUserInterface ui;
    RunRuleScript(host_, ui, "R", "RML " + Case("rml") + "\\tree *.* True");
    EXPECT_EQ(TargetFiles(Case("rml")), (Names{"target\\keep.txt", "target\\inner\\deep.txt"}));
    EXPECT_EQ(testing::Existing(Case("rml"), {"tree\\a.txt", "tree\\sub\\b.txt", "tree\\sub\\link"}),
              Names{"tree\\sub\\link"});
}

TEST_F(DirectoryLinkTest, RemovingALinkLeavesPlainEntriesAlone) {
    ASSERT_TRUE(CreateOneDirectory(folder_ / "empty"));
    ASSERT_TRUE(WriteFileBytes(folder_ / "file.txt", "x"));
    EXPECT_FALSE(RemoveLink(folder_ / "empty"));
    EXPECT_FALSE(RemoveLink(folder_ / "file.txt"));
    EXPECT_TRUE(IsDirectory(folder_ / "empty"));
    EXPECT_TRUE(FileExists(folder_ / "file.txt"));
}

} // namespace
} // namespace zc
