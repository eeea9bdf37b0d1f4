#include "tests/support/folder_snapshot.h"

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
