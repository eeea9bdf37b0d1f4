#pragma once
// Hand-made ZIP archives with stored members, for the cases a regular writer
// never produces: any member name, sizes that lie, no central directory.
#include "common/package_archive.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zc::testing {

struct StoredMember {
    std::string name;
    std::string bytes;
    // The size written into the headers; the real size when negative.
    long long declaredSize = -1;
};

std::string StoredZipArchive(const std::vector<StoredMember>& members);

} // namespace zc::testing
