#pragma once
// ZIP archives built and read wholly in memory: the middle layer of a rule
// package, between the seal and the member files.
#include <cstdint>
#include <string>
#include <vector>

namespace zc {

struct ArchiveMember {
    std::string name;
    std::string bytes;
};

// A ZIP archive holding the members in the given order, each deflated at
// level 8, without folder entries and without comment.
std::string BuildZipArchive(const std::vector<ArchiveMember>& members);

// Reads every member (stored or deflated) in archive order. False, with no
// members, when the archive is damaged, a member name is unsafe (see
// IsSafeMemberName) or the members would unpack to more than maxTotalBytes
// in all. Folder entries ("dir/") come back as members with empty bytes.
bool ReadZipArchive(const std::string& zipBytes, std::vector<ArchiveMember>& members,
                    std::uint64_t maxTotalBytes = 64ull << 20);

// True when the name, unpacked below a folder, stays inside that folder:
// relative, "/"-separated, every part a usable single name (see
// IsUsableFolderName). A trailing "/" marks a folder entry.
bool IsSafeMemberName(const std::string& name);

} // namespace zc
