#include "platform/tree_delete.h"

#include "common/gbk_text.h"
#include "platform/gbk.h"

#include <windows.h>

#include <algorithm>

#include "platform/directory_search.h"
#include "platform/file_system.h"

namespace zc {
namespace {

bool IsDriveRoot(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' && (path.size() == 2 || (path.size() == 3 && path[2] == '\\'));
}

void EmptyDirectory(const std::string& directory) {
    for (const DirectoryEntry& entry : ListMatches(directory + "\\*.*")) {
        if (entry.name.empty() || entry.name[0] == '.') {
            continue;
        }
        const std::string path = directory + "\\" + entry.name;
        if (entry.isLink) {
            RemoveLink(path);
        } else if (entry.isDirectory) {
            EmptyDirectory(path);
            RemoveEmptyDirectory(path);
        } else {
            DeleteOneFile(path);
        }
    }
}

} // namespace

bool DeleteDirectoryTree(const std::string& path) {
    const std::string directory = path.substr(std::min(path.find_first_not_of(' '), path.size()));
    // A cut-off last character would swallow the "\" joined to it and reach
    // names beside the directory instead of inside it.
    if (directory.empty() || IsDriveRoot(directory) || EndsInCutCharacter(directory)) {
        return false;
    }
    if (IsLink(directory)) {
        return RemoveLink(directory);
    }
    EmptyDirectory(directory);
    return RemoveEmptyDirectory(directory);
}

void RemoveFolderTree(const std::string& path) {
    if (!IsDirectory(path)) {
        return;
    }
    if (IsLink(path)) {
        RemoveLink(path);
        return;
    }
    for (const DirectoryEntry& entry : ListMatches(path + "\\*")) {
        if (entry.name == "." || entry.name == "..") {
            continue;
        }
        const std::string full = path + "\\" + entry.name;
        if (entry.isLink) {
            RemoveLink(full);
        } else if (entry.isDirectory) {
            RemoveFolderTree(full);
        } else {
            SetFileAttributesW(ToWide(full).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteOneFile(full);
        }
    }
    RemoveEmptyDirectory(path);
}

} // namespace zc
