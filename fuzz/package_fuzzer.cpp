// A package file is the sealed ZIP bytes; the fuzzer varies the ZIP bytes
// and seals them, so the archive reader sees every structure. Every member
// the reader accepts must unpack inside the target folder, and writing the
// accepted members out again must read back the same.
#include "common/gbk_text.h"
#include "common/package_archive.h"
#include "common/rule_package.h"
#include "common/seal.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Walks the name one GBK character at a time, the way Windows reads it.
bool StaysInsideFolder(const std::string& name) {
    if (name.empty() || name[0] == '/') {
        return false;
    }
    for (const std::string& part : zc::SplitText(name, "/")) {
        if (part.empty() || part == "." || part == "..") {
            return false;
        }
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (zc::IsGbkLeadByte(c)) {
            ++i;
            if (i == name.size()) {
                return false;
            }
        } else if (c == '\\' || c == ':' || c < 0x20) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string zipBytes(reinterpret_cast<const char*>(data), size);
    std::vector<zc::ArchiveMember> members;
    const bool read = zc::UnsealPackage(zc::SealBytes(zipBytes, zc::kPackageKey), members);
    if (!read) {
        FUZZ_CHECK(members.empty());
        return 0;
    }
    for (const zc::ArchiveMember& member : members) {
        FUZZ_CHECK(StaysInsideFolder(member.name));
    }
    std::vector<zc::ArchiveMember> again;
    FUZZ_CHECK(zc::ReadZipArchive(zc::BuildZipArchive(members), again));
    FUZZ_CHECK(again.size() == members.size());
    for (std::size_t i = 0; i < members.size(); ++i) {
        FUZZ_CHECK(again[i].name == members[i].name && again[i].bytes == members[i].bytes);
    }
    return 0;
}
