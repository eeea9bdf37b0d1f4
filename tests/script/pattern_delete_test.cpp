// RML's worker on real files: masks, recursion, dot-named folders and
// read-only files.
#include "cleaner/script/pattern_delete.h"
#include "platform/system_files.h"
#include "tests/script/file_tree.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace zc {
namespace {

using Names = std::vector<std::string>;

void BuildTree(const std::string& root) {
    testing::MakeTree(root, {"a.log", "b.LOG", "a.txt", "x.log\\inner.txt", "sub\\c.log", "sub\\deep\\d.log",
                             "sub\\keep.txt", ".cache\\e.log", "sub\\.hid\\f.log"});
}

Names Remaining(const std::string& root) {
    return testing::Existing(root, {"a.log", "b.LOG", "a.txt", "x.log", "x.log\\inner.txt", "sub\\c.log",
                                    "sub\\deep\\d.log", "sub\\keep.txt", ".cache\\e.log", "sub\\.hid\\f.log",
                                    "sub\\deep"});
}

TEST(PatternDeleteTest, DeletesMatchingFilesWithAndWithoutRecursion) {
    const struct {
        const char* mask;
        bool recurse;
        bool finalBackslash;
        int count;
        Names remaining;
    } cases[] = {
        {"*.log",
         false,
         false,
         2,
         {"a.txt", "x.log", "x.log\\inner.txt", "sub\\c.log", "sub\\deep\\d.log", "sub\\keep.txt",
          ".cache\\e.log", "sub\\.hid\\f.log", "sub\\deep"}},
        {"*.log",
         true,
         true,
         4,
         {"a.txt", "x.log", "x.log\\inner.txt", "sub\\keep.txt", ".cache\\e.log", "sub\\.hid\\f.log",
          "sub\\deep"}},
        {"*.*", true, false, 7, {"x.log", ".cache\\e.log", "sub\\.hid\\f.log", "sub\\deep"}},
        {"?.txt",
         false,
         false,
         1,
         {"a.log", "b.LOG", "x.log", "x.log\\inner.txt", "sub\\c.log", "sub\\deep\\d.log", "sub\\keep.txt",
          ".cache\\e.log", "sub\\.hid\\f.log", "sub\\deep"}},
    };
    for (const auto& c : cases) {
        testing::TempFolder folder;
        BuildTree(folder.Path());
        testing::RecordingUserInterface ui;
        const std::string directory = c.finalBackslash ? folder.Path() + "\\" : folder.Path();
        EXPECT_EQ(DeleteMatchingFiles(SystemFiles(), ui, directory, c.mask, c.recurse), c.count) << c.mask;
        EXPECT_EQ(Remaining(folder.Path()), c.remaining) << c.mask << " recurse " << c.recurse;
        EXPECT_TRUE(ui.timedMessages.empty());
    }
}

TEST(PatternDeleteTest, WrongMasksDeleteNothingAndAreReported) {
    testing::TempFolder folder;
    BuildTree(folder.Path());
    for (const char* mask : {"*", "log", "", "sub\\*.log", "..\\*.*", "sub/*.log"}) {
        testing::RecordingUserInterface ui;
        EXPECT_EQ(DeleteMatchingFiles(SystemFiles(), ui, folder.Path(), mask, true, 3), 0) << mask;
        EXPECT_EQ(ui.timedMessages,
                  (testing::Messages{{"扩展名有错,请返回检查,格式请看参数说明", "友情提醒"}}))
            << mask;
        EXPECT_EQ(Remaining(folder.Path()).size(), 11u) << mask;
    }
}

TEST(PatternDeleteTest, ReadOnlyFilesStayAndAreNotCounted) {
    testing::TempFolder folder;
    BuildTree(folder.Path());
    testing::SetReadOnly(folder / "a.log", true);
    testing::RecordingUserInterface ui;
    EXPECT_EQ(DeleteMatchingFiles(SystemFiles(), ui, folder.Path(), "*.log", false), 1);
    EXPECT_TRUE(FileExists(folder / "a.log"));
    EXPECT_FALSE(FileExists(folder / "b.LOG"));
    testing::SetReadOnly(folder / "a.log", false);
}

TEST(PatternDeleteTest, AMissingDirectoryGivesBackTheCount) {
    testing::TempFolder folder;
    BuildTree(folder.Path());
    testing::RecordingUserInterface ui;
    EXPECT_EQ(DeleteMatchingFiles(SystemFiles(), ui, folder / "nothing", "*.log", true, 5), 5);
    EXPECT_EQ(DeleteMatchingFiles(SystemFiles(), ui, folder.Path(), "*.none", true, 5), 5);
    EXPECT_EQ(Remaining(folder.Path()).size(), 11u);
    EXPECT_TRUE(ui.timedMessages.empty());
}

} // namespace
} // namespace zc
