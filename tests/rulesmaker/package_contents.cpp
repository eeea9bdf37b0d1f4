#include "tests/rulesmaker/package_contents.h"

#include "common/package_archive.h"
#include "common/seal.h"
#include "platform/file_system.h"
#include "platform/gbk.h"

#include <windows.h>

#include <algorithm>

namespace zc::testing {

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(ToWide(folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::string name = ToGbk(entry.cFileName);
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

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
