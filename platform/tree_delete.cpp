#include "platform/tree_delete.h"

#include "platform/gbk.h"

#include <windows.h>

#include "platform/directory_search.h"
#include "platform/file_system.h"

namespace zc {

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
