#include "cleaner/store/rule_deletion.h"

#include "cleaner/store/config_values.h"
#include "cleaner/store/registration_list.h"
#include "cleaner/store/store_paths.h"
#include "common/directory_tree_delete.h"
#include "common/folder_name.h"
#include "platform/system_files.h"

namespace zc {
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
        DeleteDirectoryTree(SystemFiles(), core.PathOf(paths::kRulesDir + type + "\\" + name));
    }
    RemoveIniSection(core.PathOf(paths::kRules), name);
    ui.ShowMessage("已成功删除规则：" + name, "ERROR");
}

} // namespace zc
