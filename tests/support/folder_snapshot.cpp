#include "tests/support/folder_snapshot.h"

#include "platform/directory_search.h"
#include "platform/file_system.h"

#include <algorithm>

namespace zc::testing {

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : ListMatches(folder + "\\*")) {
        if (entry.name != "." && entry.name != "..") {
            names.push_back(entry.name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

void AddTree(const std::string& folder, const std::string& prefix, std::map<std::string, std::string>& tree) {
    for (const std::string& name : NamesIn(folder)) {
        const std::string path = folder + "\\" + name;
        if (IsDirectory(path)) {
            tree[prefix + name] = "<folder>";
            AddTree(path, prefix + name + "\\", tree);
        } else {
            tree[prefix + name] = ReadFileBytes(path);
        }
    }
}

} // namespace

std::map<std::string, std::string> TreeOf(const std::string& folder) {
    std::map<std::string, std::string> tree;
    AddTree(folder, "", tree);
    return tree;
}

} // namespace zc::testing
