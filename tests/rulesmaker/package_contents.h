#pragma once
// Reading back what the export wrote: folder listings and package members.
#include <map>
#include <string>
#include <vector>

#include "tests/support/folder_snapshot.h"

namespace zc::testing {

// The members of the package file by name; empty when it does not unseal
// under the package key or is not a readable archive.
std::map<std::string, std::string> PackageMembers(const std::string& packagePath);

} // namespace zc::testing
