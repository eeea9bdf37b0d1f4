#include "cleaner/script/pattern_delete.h"

#include "common/gbk_text.h"

namespace zc {
namespace {

// The search would look into another directory than the one the deletion
// joins the found names to.
bool IsFileNameMask(const std::string& mask) {
    return FindText(mask, ".") != std::string::npos && FindText(mask, "\\") == std::string::npos &&
           FindText(mask, "/") == std::string::npos;
}

int DeleteInTree(FileOperations& files, const std::string& directory, const std::string& mask, bool recurse,
                 int count) {
    for (const DirectoryEntry& entry : files.ListMatches(directory + mask)) {
        if (!entry.isDirectory && files.DeleteOneFile(directory + entry.name)) {
            ++count;
        }
    }
    if (recurse) {
        for (const DirectoryEntry& entry : files.ListMatches(directory + "*.*")) {
            if (entry.isDirectory && !entry.isLink && entry.name[0] != '.') {
                count = DeleteInTree(files, directory + entry.name + "\\", mask, true, count);
            }
        }
    }
    return count;
}

} // namespace

int DeleteMatchingFiles(FileOperations& files, UserInterface& ui, const std::string& directory,
                        const std::string& mask, bool recurse, int count) {
    if (!IsFileNameMask(mask)) {
        ui.ShowTimedMessage(kWrongMaskMessage, "友情提醒");
        return 0;
    }
    // A cut-off last character would swallow the "\" joined to it, and a last
    // "\" byte may be the second byte of a character: either way the search
    // would reach names beside the directory instead of inside it. An empty
    // directory would start the search at the root of the current drive.
    if (directory.empty() || EndsInCutCharacter(directory)) {
        return count;
    }
    const bool endsInBackslash = directory.back() == '\\' &&
                                 !EndsInCutCharacter(directory.substr(0, directory.size() - 1));
    return DeleteInTree(files, endsInBackslash ? directory : directory + "\\", mask, recurse, count);
}

} // namespace zc
