#pragma once
// The platform directory search in a form that compares with other listings:
// one text per entry, the name followed by "\" for a directory and "@" for a
// link, sorted by bytes.
#include <string>
#include <vector>

namespace zc::testing {

std::vector<std::string> PlatformListing(const std::string& pattern);

} // namespace zc::testing
