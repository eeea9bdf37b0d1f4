#include "common/package_archive.h"

#include "common/rule_package.h"
#include "common/seal.h"
#include "tests/common/zip_fixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zc {
namespace {

using testing::StoredMember;
using testing::StoredZipArchive;

std::uint32_t Read32(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

std::uint32_t Read16(const std::string& bytes, std::size_t offset) {
    return static_cast<unsigned char>(bytes[offset]) | (static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

std::vector<ArchiveMember> SampleMembers() {
    std::string binary;
    for (int i = 0; i < 70000; ++i) {
        binary += static_cast<char>((i * 7919) % 251);
    }
    return {{"Member.zcc", "[Basic]\r\nName=\xb9\xe6\xd4\xf2\r\n"},
            {"Main.zcc", std::string("\0\x01\xff\0", 4)},
            {"Edit.zcc", ""},
            {"\xb9\xe6\xd4\xf2.bin", binary}};
}

void ExpectSameMembers(const std::vector<ArchiveMember>& actual, const std::vector<ArchiveMember>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].name, expected[i].name);
        EXPECT_EQ(actual[i].bytes, expected[i].bytes) << expected[i].name;
    }
}

TEST(PackageArchiveTest, BuiltArchiveReadsBackInOrder) {
    std::vector<ArchiveMember> members{{"stale", "left from an earlier call"}};
    ASSERT_TRUE(ReadZipArchive(BuildZipArchive(SampleMembers()), members));
    ExpectSameMembers(members, SampleMembers());
}

TEST(PackageArchiveTest, BuiltArchiveDeflatesAtLevelEightWithoutFoldersOrComment) {
    const std::string zip = BuildZipArchive(SampleMembers());
    // End of central directory record: no comment, so it is the last 22 bytes.
    const std::size_t end = zip.size() - 22;
    ASSERT_EQ(Read32(zip, end), 0x06054b50u);
    EXPECT_EQ(Read16(zip, end + 20), 0u);
    ASSERT_EQ(Read16(zip, end + 10), SampleMembers().size());
    std::size_t entry = Read32(zip, end + 16);
    for (const ArchiveMember& member : SampleMembers()) {
        ASSERT_EQ(Read32(zip, entry), 0x02014b50u);
        EXPECT_EQ(Read16(zip, entry + 10), 8u) << "deflate";
        EXPECT_EQ(Read16(zip, entry + 8) & 6u, 2u) << "level 8 or 9 marks maximum compression";
        const std::uint32_t nameLength = Read16(zip, entry + 28);
        EXPECT_EQ(zip.substr(entry + 46, nameLength), member.name);
        entry += 46 + nameLength + Read16(zip, entry + 30) + Read16(zip, entry + 32);
    }
}

TEST(PackageArchiveTest, ReadsStoredMembersAndFolderEntries) {
    std::vector<ArchiveMember> members;
    ASSERT_TRUE(ReadZipArchive(StoredZipArchive({{"Check.zcc", "True"}, {"sub/", ""}, {"sub/a.txt", "abc"}}),
                               members));
    ExpectSameMembers(members, {{"Check.zcc", "True"}, {"sub/", ""}, {"sub/a.txt", "abc"}});
}

TEST(PackageArchiveTest, RefusesUnsafeMemberNames) {
    const char* const kUnsafe[] = {
        "../evil.txt", "sub/../../evil.txt",
        "/abs.txt",    "C:/evil.txt",
        "C:evil.txt",  "sub\\evil.txt",
        "..\\evil",    "",
        "/",           "sub//a.txt",
        "sub//",       "./a.txt",
        "CON",         "sub/nul.txt",
        "COM1",        "a.txt.",
        "a.txt ",      "a?b",
        "a\x01",       "\xb9",
    };
    for (const char* name : kUnsafe) {
        std::vector<ArchiveMember> members{{"stale", ""}};
        EXPECT_FALSE(ReadZipArchive(StoredZipArchive({{"Check.zcc", "True"}, {name, "x"}}), members)) << name;
        EXPECT_TRUE(members.empty()) << name;
        EXPECT_FALSE(IsSafeMemberName(name)) << name;
    }
    for (const char* name : {"Check.zcc", "sub/a.txt", "sub/", "a b/c.d", "\xb9\xe6\xd4\xf2/\xb1\x5c.txt"}) {
        EXPECT_TRUE(IsSafeMemberName(name)) << name;
    }
}

TEST(PackageArchiveTest, RefusesMembersThatUnpackBeyondTheLimit) {
    const std::vector<ArchiveMember> members{{"a", std::string(600, 'a')}, {"b", std::string(400, 'b')}};
    std::vector<ArchiveMember> read;
    EXPECT_TRUE(ReadZipArchive(BuildZipArchive(members), read, 1000));
    EXPECT_FALSE(ReadZipArchive(BuildZipArchive(members), read, 999));
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(ReadZipArchive(
        StoredZipArchive({{"a", std::string(600, 'a')}, {"b", std::string(400, 'b')}}), read, 999));
}

TEST(PackageArchiveTest, DefaultLimitIsSixtyFourMebibytesInAll) {
    const std::string half(32u << 20, '\0');
    std::vector<ArchiveMember> read;
    EXPECT_TRUE(ReadZipArchive(BuildZipArchive({{"a", half}, {"b", half}}), read));
    EXPECT_FALSE(ReadZipArchive(BuildZipArchive({{"a", half}, {"b", half}, {"c", "x"}}), read));
    EXPECT_TRUE(read.empty());
}

TEST(PackageArchiveTest, RefusesDamagedArchives) {
    const std::string zip = BuildZipArchive(SampleMembers());
    std::string flipped = zip;
    flipped[40] = static_cast<char>(flipped[40] ^ 0x55); // inside the first member's deflated data
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"not a zip", "this is not an archive at all, just text"},
        {"cut in half", zip.substr(0, zip.size() / 2)},
        {"without the end record", zip.substr(0, zip.size() - 22)},
        {"changed data", flipped},
        {"declared size too small", StoredZipArchive({{"a", "abcdef", 3}})},
        {"declared size too large", StoredZipArchive({{"a", "abcdef", 60}})},
    };
    for (const Case& c : cases) {
        std::vector<ArchiveMember> members{{"stale", ""}};
        EXPECT_FALSE(ReadZipArchive(c.bytes, members)) << c.what;
        EXPECT_TRUE(members.empty()) << c.what;
    }
}

TEST(RulePackageTest, SealedPackageUnsealsOnlyUnderThePackageKey) {
    const std::string package = SealPackage(SampleMembers());
    EXPECT_EQ(package, SealBytes(BuildZipArchive(SampleMembers()), kPackageKey));
    std::vector<ArchiveMember> members;
    ASSERT_TRUE(UnsealPackage(package, members));
    ExpectSameMembers(members, SampleMembers());

    const std::string otherKey = SealBytes(BuildZipArchive(SampleMembers()), kSettingsKey);
    for (const std::string& bad : {otherKey, package.substr(0, package.size() - 8), std::string()}) {
        EXPECT_FALSE(UnsealPackage(bad, members));
        EXPECT_TRUE(members.empty());
    }
}

} // namespace
} // namespace zc
