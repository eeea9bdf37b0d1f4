#include "tests/rulesmaker/package_contents.h"

#include "common/package_archive.h"
#include "common/seal.h"
#include "platform/file_system.h"
#include "platform/gbk.h"

#include <windows.h>

#include <algorithm>

namespace zc::testing {

std::map<std::string, std::string> PackageMembers(const std::string& packagePath) {
    std::vector<ArchiveMember> members;
    std::map<std::string, std::string> byName;
    if (ReadZipArchive(UnsealBytes(ReadFileBytes(packagePath), kPackageKey), members)) {
        for (const ArchiveMember& member : members) {
            byName[member.name] = member.bytes;
        }
    }
    return byName;
}

} // namespace zc::testing
