#pragma once
// The ZIP archive inside a rule package, built and read in memory.
#include <cstdint>
#include <string>
#include <vector>

namespace zc {

struct ArchiveMember {
    std::string name;
    std::string bytes;
};

// A ZIP archive holding the members in the given order, each deflated at
// level 8; empty bytes when the archive cannot be built.
std::string BuildZipArchive(const std::vector<ArchiveMember>& members);

// The members of a ZIP archive (stored or deflated); false when the bytes are
// not a readable archive or unpack to more than maxTotalBytes.
bool ReadZipArchive(const std::string& zipBytes, std::vector<ArchiveMember>& members,
                    std::uint64_t maxTotalBytes = 64ull << 20);

} // namespace zc
