#pragma once
// Places a rule in the rule tree and registers it in the configuration files,
// the way an import leaves it.
#include "cleaner/store/cleaner_core.h"
#include "cleaner/store/registration_list.h"
#include "cleaner/store/store_paths.h"
#include "common/seal.h"
#include "platform/file_system.h"
#include "platform/profile.h"

#include <string>

namespace zc::testing {

inline void InstallRule(const CleanerCore& core, const std::string& name, const std::string& script,
                        const std::string& type = "Program", const std::string& switchValue = "True") {
    const std::string folder = core.PathOf(paths::kRulesDir + type + "\\" + name);
    CreateOneDirectory(core.PathOf(paths::kRulesDir + type));
    CreateOneDirectory(folder);
    WriteFileBytes(folder + "\\Main.zcc", SealBytes(script, kDefaultScriptKey));
    AppendRegistration(core, paths::kConfigList, name);
    WriteIniValue(core.PathOf(paths::kRules), name, "Type", type);
    WriteIniValue(core.PathOf(paths::kSum), type + "Status", name, switchValue);
}

} // namespace zc::testing
