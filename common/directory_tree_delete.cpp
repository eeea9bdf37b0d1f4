#include "common/directory_tree_delete.h"

#include "common/gbk_text.h"

#include <algorithm>

namespace zc {
namespace {

bool IsDriveRoot(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' && (path.size() == 2 || (path.size() == 3 && path[2] == '\\'));
}

void EmptyDirectory(FileOperations& files, const std::string& directory) {
    for (const DirectoryEntry& entry : files.ListMatches(directory + "\\*.*")) {
        if (entry.name.empty() || entry.name[0] == '.') {
            continue;
        }
        const std::string path = directory + "\\" + entry.name;
        if (entry.isLink) {
            files.RemoveLink(path);
        } else if (entry.isDirectory) {
            EmptyDirectory(files, path);
            files.RemoveEmptyDirectory(path);
        } else {
            files.DeleteOneFile(path);
        }
    }
}

} // namespace

bool DeleteDirectoryTree(FileOperations& files, const std::string& path) {
    const std::string directory = path.substr(std::min(path.find_first_not_of(' '), path.size()));
    // A cut-off last character would swallow the "\" joined to it and reach
    // names beside the directory instead of inside it.
    if (directory.empty() || IsDriveRoot(directory) || EndsInCutCharacter(directory)) {
        return false;
    }
    if (files.IsLink(directory)) {
        return files.RemoveLink(directory);
    }
    EmptyDirectory(files, directory);
    return files.RemoveEmptyDirectory(directory);
}

} // namespace zc
