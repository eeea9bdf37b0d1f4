#include "tests/fakes/memory_files.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zc::testing {
namespace {

using Kind = Removal::Kind;
using Operation = bool (MemoryFiles::*)(const std::string&);

std::vector<std::string> Names(const std::vector<DirectoryEntry>& entries) {
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : entries) {
        names.push_back(entry.name);
    }
    return names;
}

bool Contains(const std::vector<std::string>& paths, const std::string& path) {
    return std::find(paths.begin(), paths.end(), path) != paths.end();
}

// Each path goes to DeleteOneFile on a fresh tree; removed is the file that
// must go, "" when the call must be refused.
TEST(MemoryFilesTest, PathsResolveLikeWindows) {
    struct Case {
        std::string path;
        std::string removed;
    };
    const Case cases[] = {
        {"C:\\work\\a.txt", "C:\\work\\a.txt"},
        {"c:/WORK/A.TXT", "C:\\work\\a.txt"},
        {"C:\\\\work//\\a.txt", "C:\\work\\a.txt"},
        {"C:\\work\\.\\sub\\..\\a.txt", "C:\\work\\a.txt"},
        {"C:\\..\\..\\top.txt", "C:\\top.txt"},
        {"a.txt", "C:\\work\\a.txt"},
        {".\\sub\\b.txt", "C:\\work\\sub\\b.txt"},
        {"..\\top.txt", "C:\\top.txt"},
        {"\\top.txt", "C:\\top.txt"},
        {"/work/sub/b.txt", "C:\\work\\sub\\b.txt"},
        {"C:\\work\\a.txt. . .", "C:\\work\\a.txt"},
        {"C:\\work\\sub.\\b.txt", "C:\\work\\sub\\b.txt"},
        {"C:\\work\\a.txt\\.", "C:\\work\\a.txt"},
        {"D:\\d.txt", "D:\\d.txt"},
        {"C:\\work\\sub \\b.txt", ""},
        {"C:\\work\\a.txt\\", ""},
        {"C:a.txt", ""},
        {"\\\\server\\share\\a.txt", ""},
        {"\\\\?\\C:\\work\\a.txt", ""},
        {"C:\\work\\a.txt:stream", ""},
        {"C:\\work\\a.t\x01xt", ""},
        {"C:\\work\\a<.txt", ""},
        {"", ""},
        {"E:\\d.txt", ""},
        {"C:\\work", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        MemoryFiles files;
        ASSERT_TRUE(files.AddFile("C:\\work\\a.txt"));
        ASSERT_TRUE(files.AddFile("C:\\work\\sub\\b.txt"));
        ASSERT_TRUE(files.AddFile("C:\\top.txt"));
        ASSERT_TRUE(files.AddFile("D:\\d.txt"));
        const std::vector<std::string> before = files.Paths();

        const bool deleted = files.DeleteOneFile(c.path);

        if (c.removed.empty()) {
            EXPECT_FALSE(deleted);
            EXPECT_EQ(files.Paths(), before);
            EXPECT_TRUE(files.Removals().empty());
        } else {
            ASSERT_TRUE(deleted);
            ASSERT_EQ(files.Removals().size(), 1u);
            EXPECT_EQ(files.Removals()[0].requested, c.path);
            EXPECT_EQ(files.Removals()[0].removed, c.removed);
            EXPECT_TRUE(files.Removals()[0].linksCrossed.empty());
            EXPECT_FALSE(Contains(files.Paths(), c.removed));
            EXPECT_EQ(files.Paths().size(), before.size() - 1);
        }
    }
}

TEST(MemoryFilesTest, RelativePathsStartAtTheCurrentDirectory) {
    MemoryFiles files;
    ASSERT_TRUE(files.AddFile("D:\\deep\\er\\f.txt"));
    ASSERT_TRUE(files.SetCurrentDirectory("d:/deep/./er/"));
    EXPECT_FALSE(files.SetCurrentDirectory("relative"));
    EXPECT_FALSE(files.SetCurrentDirectory("D:relative"));

    EXPECT_EQ(Names(files.ListMatches("*.txt")), std::vector<std::string>{"f.txt"});
    EXPECT_EQ(Names(files.ListMatches("..\\er")), std::vector<std::string>{"er"});
    EXPECT_EQ(Names(files.ListMatches("\\deep")), std::vector<std::string>{"deep"});
}

TEST(MemoryFilesTest, SetUpRefusesWhatCannotExist) {
    MemoryFiles files;
    ASSERT_TRUE(files.AddFile("C:\\dir\\f.txt"));
    EXPECT_TRUE(files.AddDirectory("C:\\DIR"));
    EXPECT_FALSE(files.AddFile("C:\\dir\\F.TXT"));
    EXPECT_FALSE(files.AddDirectory("C:\\dir\\f.txt"));
    EXPECT_FALSE(files.AddFile("C:\\dir\\f.txt\\g.txt"));
    EXPECT_FALSE(files.AddFile("C:\\dir\\g.txt\\"));
    EXPECT_FALSE(files.AddFile("C:\\dir\\*.txt"));
    EXPECT_FALSE(files.AddLink("C:\\dir", "C:\\elsewhere"));
    ASSERT_TRUE(files.AddLink("C:\\dangling", "C:\\gone"));
    EXPECT_FALSE(files.AddFile("C:\\dangling\\f.txt"));
    EXPECT_TRUE(files.AddFile("C:\\dir\\trailing. "));

    EXPECT_EQ(files.Paths(), (std::vector<std::string>{"C:\\", "C:\\dangling", "C:\\dir", "C:\\dir\\f.txt",
                                                       "C:\\dir\\trailing"}));
}

TEST(MemoryFilesTest, ListingsMatchWildcardsLikeTheDirectorySearch) {
    struct Case {
        std::string pattern;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"*",
         {".", "..", "a.txt", "ab.txt", "B.LOG", "c.log", "d.log", "lnk", "noext", "x.y.z", "\xD6\xD0.txt",
          "\xD6\xD0\xCE\xC4"}},
        {"*.*",
         {".", "..", "a.txt", "ab.txt", "B.LOG", "c.log", "d.log", "lnk", "noext", "x.y.z", "\xD6\xD0.txt",
          "\xD6\xD0\xCE\xC4"}},
        {"*.log", {"B.LOG", "c.log", "d.log"}},
        {"*.LOG", {"B.LOG", "c.log", "d.log"}},
        {"a?.txt", {"ab.txt"}},
        {"?.txt", {"a.txt", "\xD6\xD0.txt"}},
        {"??", {"..", "\xD6\xD0\xCE\xC4"}},
        {"*.", {".", "..", "lnk", "noext", "\xD6\xD0\xCE\xC4"}},
        {"*. ", {".", "..", "lnk", "noext", "\xD6\xD0\xCE\xC4"}},
        {"*.log  ", {"B.LOG", "c.log", "d.log"}},
        {"A*", {"a.txt", "ab.txt"}},
        {"x.*", {"x.y.z"}},
        {"*.z", {"x.y.z"}},
        {"*y*", {"x.y.z"}},
        {"\xD6\xD0*", {"\xD6\xD0.txt", "\xD6\xD0\xCE\xC4"}},
        {"\xD6?", {}},
        {"NOEXT", {"noext"}},
        {"noext. ", {"noext"}},
        {"missing*", {}},
        {"missing", {}},
        {"*\xD6", {}},
    };
    MemoryFiles files;
    for (const char* name :
         {"a.txt", "ab.txt", "B.LOG", "c.log", "noext", "x.y.z", "\xD6\xD0.txt", "\xD6\xD0\xCE\xC4"}) {
        ASSERT_TRUE(files.AddFile(std::string("C:\\w\\") + name));
    }
    ASSERT_TRUE(files.AddDirectory("C:\\w\\d.log"));
    ASSERT_TRUE(files.AddLink("C:\\w\\lnk", "C:\\elsewhere"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(Names(files.ListMatches("C:\\w\\" + c.pattern)), c.names);
        EXPECT_EQ(files.AnythingMatches("C:\\w\\" + c.pattern), !c.names.empty());
    }
}

TEST(MemoryFilesTest, ListingsTellDirectoriesLinksAndFilesApart) {
    MemoryFiles files;
    ASSERT_TRUE(files.AddFile("C:\\w\\file"));
    ASSERT_TRUE(files.AddDirectory("C:\\w\\dir"));
    ASSERT_TRUE(files.AddLink("C:\\w\\link", "C:\\w\\dir"));

    const std::vector<DirectoryEntry> entries = files.ListMatches("C:\\w\\*");
    ASSERT_EQ(Names(entries), (std::vector<std::string>{".", "..", "dir", "file", "link"}));
    const bool directory[] = {true, true, true, false, true};
    const bool link[] = {false, false, false, false, true};
    for (size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(entries[i].name);
        EXPECT_EQ(entries[i].isDirectory, directory[i]);
        EXPECT_EQ(entries[i].isLink, link[i]);
    }
}

TEST(MemoryFilesTest, ListingsOutsideTheLastPartOrEndingInASeparatorFindNothing) {
    MemoryFiles files;
    ASSERT_TRUE(files.AddFile("C:\\w\\sub\\f.txt"));
    const char* patterns[] = {
        "C:\\w\\*\\f.txt",     "C:\\w\\s?b\\*", "C:\\w\\sub\\", "C:\\w\\sub\\*\\", "C:\\", "C:", "C:*",
        "C:\\w\\sub\\f.txt\\*"};
    for (const char* pattern : patterns) {
        SCOPED_TRACE(pattern);
        EXPECT_TRUE(files.ListMatches(pattern).empty());
    }
    EXPECT_EQ(Names(files.ListMatches("C:\\*")), std::vector<std::string>{"w"});
}

TEST(MemoryFilesTest, DoubleByteCharactersAreWholeUnits) {
    MemoryFiles files;
    // 0xB0 0x61 and 0xB0 0x41 are two different characters; 0xB1 0x5C holds
    // the byte of "\" as its second byte.
    ASSERT_TRUE(files.AddFile("C:\\w\\\xB0\x61.txt"));
    ASSERT_TRUE(files.AddFile("C:\\w\\\xB1\x5C.txt"));
    ASSERT_TRUE(files.AddFile("C:\\w\\sub\\b.txt"));

    EXPECT_TRUE(files.ListMatches("C:\\w\\\xB0\x41.txt").empty());
    EXPECT_EQ(Names(files.ListMatches("C:\\w\\\xB0\x61.TXT")), std::vector<std::string>{"\xB0\x61.txt"});
    EXPECT_EQ(Names(files.ListMatches("C:\\w\\\xB1\x5C*")), std::vector<std::string>{"\xB1\x5C.txt"});
    EXPECT_TRUE(Contains(files.Paths(), "C:\\w\\\xB1\x5C.txt"));

    // A lead byte swallows the separator after it, so this path never names
    // C:\w\sub\b.txt; a lead byte that ends the path makes it invalid.
    EXPECT_FALSE(files.DeleteOneFile("C:\\w\\sub\\\xD6\\b.txt"));
    EXPECT_FALSE(files.DeleteOneFile("C:\\w\\sub\\b.txt\xD6"));
    EXPECT_FALSE(files.RemoveEmptyDirectory("C:\\w\\sub\\\xD6"));
    EXPECT_TRUE(files.ListMatches("C:\\w\\sub\\*\xD6").empty());
    // A lead byte before a byte that cannot end a double-byte character
    // ("*" here) makes the path invalid rather than a wildcard.
    EXPECT_TRUE(files.ListMatches("C:\\w\\\xB1*").empty());
    EXPECT_FALSE(files.DeleteOneFile("C:\\w\\sub\\\xB1/b.txt"));
    EXPECT_TRUE(files.Removals().empty());

    EXPECT_TRUE(files.DeleteOneFile("C:\\w\\\xB1\x5C.txt"));
    EXPECT_FALSE(Contains(files.Paths(), "C:\\w\\\xB1\x5C.txt"));
}

class LinkTree : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(files.AddFile("C:\\data\\keep.txt"));
        ASSERT_TRUE(files.AddFile("C:\\data\\inner\\f.txt"));
        ASSERT_TRUE(files.AddFile("C:\\w\\f.txt"));
        ASSERT_TRUE(files.AddLink("C:\\w\\lnk", "C:\\data"));
        ASSERT_TRUE(files.AddLink("C:\\w\\lnk2", "c:/w/LNK"));
        ASSERT_TRUE(files.AddLink("C:\\w\\dangling", "C:\\gone"));
        ASSERT_TRUE(files.AddLink("C:\\w\\loop", "C:\\w\\loop"));
        ASSERT_TRUE(files.AddLink("C:\\w\\tofile", "C:\\w\\f.txt"));
    }
    MemoryFiles files;
};

TEST_F(LinkTree, LinksBeforeTheLastPartAreFollowedAndRecorded) {
    struct Case {
        std::string path;
        std::string removed;
        std::vector<std::string> links;
    };
    const Case cases[] = {
        {"C:\\w\\lnk\\keep.txt", "C:\\data\\keep.txt", {"C:\\w\\lnk"}},
        {"C:\\w\\LNK2\\inner\\f.txt", "C:\\data\\inner\\f.txt", {"C:\\w\\lnk2", "C:\\w\\lnk"}},
        {"C:\\w\\lnk\\..\\f.txt", "C:\\w\\f.txt", {}},
        {"C:\\w\\dangling\\keep.txt", "", {}},
        {"C:\\w\\loop\\keep.txt", "", {}},
        {"C:\\w\\tofile\\keep.txt", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const size_t before = files.Removals().size();
        const bool deleted = files.DeleteOneFile(c.path);
        EXPECT_EQ(deleted, !c.removed.empty());
        if (deleted) {
            ASSERT_EQ(files.Removals().size(), before + 1);
            EXPECT_EQ(files.Removals().back().removed, c.removed);
            EXPECT_EQ(files.Removals().back().linksCrossed, c.links);
            EXPECT_EQ(files.Removals().back().kind, Kind::File);
        }
    }
    EXPECT_EQ(Names(files.ListMatches("C:\\w\\lnk\\*")), (std::vector<std::string>{".", "..", "inner"}));
    EXPECT_TRUE(files.ListMatches("C:\\w\\dangling\\*").empty());
    EXPECT_TRUE(files.ListMatches("C:\\w\\loop\\*").empty());
}

TEST_F(LinkTree, ADirectoryResolvesThroughEveryLink) {
    struct Case {
        std::string path;
        std::string canonical; // "" when no directory is there
        std::vector<std::string> links;
    };
    const Case cases[] = {
        {"C:\\w\\lnk", "C:\\data", {"C:\\w\\lnk"}},
        {"C:\\w\\LNK2\\inner\\", "C:\\data\\inner", {"C:\\w\\lnk2", "C:\\w\\lnk"}},
        {"c:/", "C:\\", {}},
        {"C:\\w", "C:\\w", {}},
        {"C:\\w\\f.txt", "", {}},
        {"C:\\w\\dangling", "", {}},
        {"C:\\w\\tofile", "", {}},
        {"E:\\", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const std::optional<Resolution> resolved = files.ResolveDirectory(c.path);
        ASSERT_EQ(resolved.has_value(), !c.canonical.empty());
        if (resolved) {
            EXPECT_EQ(resolved->canonical, c.canonical);
            EXPECT_EQ(resolved->linksCrossed, c.links);
        }
    }
}

TEST_F(LinkTree, TheLastPartIsNeverFollowed) {
    EXPECT_TRUE(files.IsLink("C:\\w\\lnk"));
    EXPECT_TRUE(files.IsLink("C:\\w\\lnk\\"));
    EXPECT_TRUE(files.IsLink("C:\\w\\dangling"));
    EXPECT_TRUE(files.IsLink("C:\\w\\lnk2\\..\\loop"));
    EXPECT_FALSE(files.IsLink("C:\\w\\lnk\\inner"));
    EXPECT_EQ(Names(files.ListMatches("C:\\w\\lnk")), std::vector<std::string>{"lnk"});

    ASSERT_TRUE(files.RemoveEmptyDirectory("C:\\w\\lnk"));
    ASSERT_TRUE(files.RemoveLink("C:\\w\\lnk2"));
    EXPECT_TRUE(Contains(files.Paths(), "C:\\data\\keep.txt"));
    EXPECT_TRUE(Contains(files.Paths(), "C:\\data\\inner\\f.txt"));
    ASSERT_EQ(files.Removals().size(), 2u);
    EXPECT_EQ(files.Removals()[0].removed, "C:\\w\\lnk");
    EXPECT_EQ(files.Removals()[0].kind, Kind::Link);
    EXPECT_EQ(files.Removals()[1].removed, "C:\\w\\lnk2");
    EXPECT_EQ(files.Removals()[1].kind, Kind::Link);
}

// Every operation on every kind of entry: removed is what must go, "" when
// the call must be refused and change nothing.
TEST(MemoryFilesTest, EachOperationRemovesOnlyWhatItMay) {
    struct Case {
        const char* operationName;
        Operation operation;
        std::string path;
        std::string removed;
        Kind kind;
    };
    const Operation deleteFile = &MemoryFiles::DeleteOneFile;
    const Operation removeDirectory = &MemoryFiles::RemoveEmptyDirectory;
    const Operation removeLink = &MemoryFiles::RemoveLink;
    const Case cases[] = {
        {"DeleteOneFile", deleteFile, "C:\\w\\file.txt", "C:\\w\\file.txt", Kind::File},
        {"DeleteOneFile", deleteFile, "C:\\w\\readonly.txt", "", Kind::File},
        {"DeleteOneFile", deleteFile, "C:\\w\\empty", "", Kind::File},
        {"DeleteOneFile", deleteFile, "C:\\w\\link", "", Kind::File},
        {"DeleteOneFile", deleteFile, "C:\\w\\missing.txt", "", Kind::File},
        {"DeleteOneFile", deleteFile, "C:\\w\\*.txt", "", Kind::File},
        {"DeleteOneFile", deleteFile, "C:\\w\\file.tx?", "", Kind::File},
        {"RemoveEmptyDirectory", removeDirectory, "C:\\w\\empty", "C:\\w\\empty", Kind::Directory},
        {"RemoveEmptyDirectory", removeDirectory, "C:\\w\\empty\\", "C:\\w\\empty", Kind::Directory},
        {"RemoveEmptyDirectory", removeDirectory, "C:\\w\\link", "C:\\w\\link", Kind::Link},
        {"RemoveEmptyDirectory", removeDirectory, "C:\\w\\full", "", Kind::Directory},
        {"RemoveEmptyDirectory", removeDirectory, "C:\\w\\file.txt", "", Kind::Directory},
        {"RemoveEmptyDirectory", removeDirectory, "D:\\", "", Kind::Directory},
        {"RemoveEmptyDirectory", removeDirectory, "D:\\x\\..", "", Kind::Directory},
        {"RemoveEmptyDirectory", removeDirectory, "C:\\w\\e*", "", Kind::Directory},
        {"RemoveLink", removeLink, "C:\\w\\link", "C:\\w\\link", Kind::Link},
        {"RemoveLink", removeLink, "C:\\w\\empty", "", Kind::Link},
        {"RemoveLink", removeLink, "C:\\w\\file.txt", "", Kind::Link},
        {"RemoveLink", removeLink, "C:\\w\\missing", "", Kind::Link},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.operationName) + " " + c.path);
        MemoryFiles files;
        ASSERT_TRUE(files.AddFile("C:\\w\\file.txt"));
        ASSERT_TRUE(files.AddFile("C:\\w\\readonly.txt", true));
        ASSERT_TRUE(files.AddDirectory("C:\\w\\empty"));
        ASSERT_TRUE(files.AddFile("C:\\w\\full\\f.txt"));
        ASSERT_TRUE(files.AddLink("C:\\w\\link", "C:\\w\\full"));
        ASSERT_TRUE(files.AddDirectory("D:\\"));
        const std::vector<std::string> before = files.Paths();

        const bool done = (files.*c.operation)(c.path);

        if (c.removed.empty()) {
            EXPECT_FALSE(done);
            EXPECT_EQ(files.Paths(), before);
            EXPECT_TRUE(files.Removals().empty());
            continue;
        }
        ASSERT_TRUE(done);
        ASSERT_EQ(files.Removals().size(), 1u);
        const Removal& removal = files.Removals()[0];
        EXPECT_EQ(removal.requested, c.path);
        EXPECT_EQ(removal.removed, c.removed);
        EXPECT_EQ(removal.kind, c.kind);
        EXPECT_TRUE(removal.linksCrossed.empty());
        std::vector<std::string> expected = before;
        expected.erase(std::find(expected.begin(), expected.end(), c.removed));
        EXPECT_EQ(files.Paths(), expected);
    }
}

} // namespace
} // namespace zc::testing
