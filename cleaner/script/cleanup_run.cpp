#include "cleaner/script/cleanup_run.h"

#include "cleaner/script/cleaner_script_host.h"
#include "cleaner/script/script_interpreter.h"
#include "cleaner/store/registration_list.h"
#include "cleaner/store/store_paths.h"
#include "platform/file_system.h"

namespace zc {

void RunCleanup(const CleanerCore& core, UserInterface& ui) {
    ui.SetStatus("[系统状态]正在判断规则...");
    CleanerScriptHost host(core);
    for (const std::string& name : ListedRuleNames(core.ReadSealedText(core.PathOf(paths::kConfigList)))) {
        if (core.RuleType(name) != "Program") {
            ui.AppendCleanupLog("[系统状态]执行应用程序清理，已自动忽略规则  " + name + "!\r\n");
            continue;
        }
        if (!core.IsRuleEnabled("Program", name)) {
            ui.AppendCleanupLog("[系统状态]已自动忽略关闭的规则  " + name + "!\r\n");
            continue;
        }
        const std::string script = core.ReadRuleScript(name);
        ui.CopyToClipboard(script);
        ui.AppendCleanupLog("[系统状态]执行规则  " + name + "...\r\n");
        RunRuleScript(host, ui, name, script);
    }
    DeleteOneFile(core.PathOf(paths::kVariableStore));
    ui.SetStatus("[系统状态]待命Ing...");
}

} // namespace zc
