#include "cleaner/packages/unpack_folder.h"

#include "common/gbk_text.h"
#include "common/package_archive.h"
#include "platform/file_system.h"
#include "platform/tree_delete.h"

#include <vector>

namespace zc {

void UnpackArchiveFile(const std::string& archivePath, const std::string& folder) {
    RemoveFolderTree(folder);
    CreateOneDirectory(folder);
    std::vector<ArchiveMember> members;
    ReadZipArchive(ReadFileBytes(archivePath), members);
    for (const ArchiveMember& member : members) {
        // Every part of the name is a usable single name, so the path stays below the folder.
        const std::vector<std::string> parts = SplitText(member.name, "/");
        std::string path = folder;
        for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
            path += "\\" + parts[i];
            CreateOneDirectory(path);
        }
        path += "\\" + parts.back();
        if (member.name.back() == '/') {
            CreateOneDirectory(path);
        } else {
            WriteFileBytes(path, member.bytes);
        }
    }
}

} // namespace zc
