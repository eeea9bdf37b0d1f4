#include "cleaner/store/rule_deletion.h"

#include "cleaner/store/config_values.h"
#include "cleaner/store/registration_list.h"
#include "cleaner/store/store_paths.h"
#include "common/folder_name.h"
#include "platform/file_system.h"

#include <algorithm>
#include "platform/file_system.h"

namespace zc {
namespace {

bool IsDriveOrRoot(const std::string& path) {
    const bool drive = path.size() >= 2 && path[1] == ':';
    return drive && (path.size() == 2 || (path.size() == 3 && path[2] == '\\'));
}

} // namespace

void DeleteFolderTree(const std::string& path) {
    const std::string folder = path.substr(std::min(path.find_first_not_of(' '), path.size()));
    if (folder.empty() || IsDriveOrRoot(folder)) {
        return;
    }
    for (const DirectoryEntry& entry : ListDirectory(folder)) {
        if (entry.name[0] == '.') {
            continue;
        }
        const std::string full = folder + "\\" + entry.name;
        if (entry.isLink) {
            RemoveLink(full);
        } else if (entry.isDirectory) {
            DeleteFolderTree(full);
        } else {
            DeleteOneFile(full);
        }
    }
    RemoveEmptyDirectory(folder);
}

void DeleteRule(const CleanerCore& core, UserInterface& ui, const std::string& name) {
    if (!CancelRegistration(core, name)) {
        ui.ShowMessage("该规则不存在！", "ERROR");
        return;
    }
    const std::string type = core.RuleType(name);
    AddToRuleCounter(core, type, -1);
    // Only a folder that is exactly one rule folder may go: an empty or odd
    // type or name would otherwise point at a type folder or the rule tree.
    if (IsUsableFolderName(type) && IsUsableFolderName(name)) {
        DeleteFolderTree(core.PathOf(paths::kRulesDir + type + "\\" + name));
    }
    RemoveIniSection(core.PathOf(paths::kRules), name);
    ui.ShowMessage("已成功删除规则：" + name, "ERROR");
}

} // namespace zc
