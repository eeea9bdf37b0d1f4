#pragma once
// Directory listings on GBK paths through the platform's directory search.
#include "common/file_operations.h"

#include <string>
#include <vector>

namespace zc {

// Every entry that the search pattern (a path whose last part may hold "*"
// and "?") yields, in the order of the search; "." and ".." included.
std::vector<DirectoryEntry> ListMatches(const std::string& pattern);

// True when the pattern yields at least one entry.
bool AnythingMatches(const std::string& pattern);

// True when the path itself is a junction, symbolic link or mount point.
bool IsLink(const std::string& path);

// Removes a junction, symbolic link or mount point itself, never what it
// leads to; true when it is gone.
bool RemoveLink(const std::string& path);

} // namespace zc
