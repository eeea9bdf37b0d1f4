#include "cleaner/script/pattern_delete.h"

#include "common/gbk_text.h"
#include "platform/directory_search.h"
#include "platform/file_system.h"

namespace zc {
namespace {

// The search would look into another directory than the one the deletion
// joins the found names to.
bool IsFileNameMask(const std::string& mask) {
    return FindText(mask, ".") != std::string::npos && FindText(mask, "\\") == std::string::npos &&
           FindText(mask, "/") == std::string::npos;
}

int DeleteInTree(const std::string& directory, const std::string& mask, bool recurse, int count) {
    for (const DirectoryEntry& entry : ListMatches(directory + mask)) {
        if (!entry.isDirectory && DeleteOneFile(directory + entry.name)) {
            ++count;
        }
    }
    if (recurse) {
        for (const DirectoryEntry& entry : ListMatches(directory + "*.*")) {
            if (entry.isDirectory && !entry.isLink && entry.name[0] != '.') {
                count = DeleteInTree(directory + entry.name + "\\", mask, true, count);
            }
        }
    }
    return count;
}

} // namespace

int DeleteMatchingFiles(UserInterface& ui, const std::string& directory, const std::string& mask,
                        bool recurse, int count) {
    if (!IsFileNameMask(mask)) {
        ui.ShowTimedMessage(kWrongMaskMessage, "友情提醒");
        return 0;
    }
    // A cut-off last character would swallow the "\" joined to it, and a last
    // "\" byte may be the second byte of a character: either way the search
    // would reach names beside the directory instead of inside it.
    if (EndsInCutCharacter(directory)) {
        return count;
    }
    const bool endsInBackslash = !directory.empty() && directory.back() == '\\' &&
                                 !EndsInCutCharacter(directory.substr(0, directory.size() - 1));
    return DeleteInTree(endsInBackslash ? directory : directory + "\\", mask, recurse, count);
}

} // namespace zc
