#include "tests/platform/platform_listing.h"

#include "platform/directory_search.h"

#include <algorithm>

namespace zc::testing {

std::vector<std::string> PlatformListing(const std::string& pattern) {
    std::vector<std::string> described;
    for (const DirectoryEntry& entry : ListMatches(pattern)) {
        described.push_back(entry.name + (entry.isDirectory ? "\\" : "") + (entry.isLink ? "@" : ""));
    }
    std::sort(described.begin(), described.end());
    return described;
}

} // namespace zc::testing
