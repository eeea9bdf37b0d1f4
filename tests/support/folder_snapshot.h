#pragma once
// A look at everything below a folder, to tell what a test run changed.
#include <map>
#include <string>
#include <vector>

namespace zc::testing {

// Relative path of every file and folder below the folder, with the bytes of
// each file (folders map to "<folder>").
std::map<std::string, std::string> TreeOf(const std::string& folder);

// The names directly inside a folder, sorted.
std::vector<std::string> NamesIn(const std::string& folder);

} // namespace zc::testing
