#include "common/rule_package.h"

#include "common/seal.h"

namespace zc {

std::string SealPackage(const std::vector<ArchiveMember>& members) {
    return SealBytes(BuildZipArchive(members), kPackageKey);
}

bool UnsealPackage(const std::string& packageBytes, std::vector<ArchiveMember>& members) {
    return ReadZipArchive(UnsealBytes(packageBytes, kPackageKey), members);
}

} // namespace zc
