#include "cleaner/store/rule_list.h"

#include "cleaner/store/registration_list.h"
#include "cleaner/store/store_paths.h"
#include "platform/profile.h"

#include <utility>
#include <vector>

namespace zc {
namespace {

constexpr const char* kPositionSection = "RUNI";
constexpr const char* kSwitchSection = "ProgramStatus";

std::string NameAtPosition(const CleanerCore& core, int position) {
    return ReadIniValue(core.PathOf(paths::kListPositions), kPositionSection, std::to_string(position));
}

} // namespace

std::string RuleCaption(const std::string& author, const std::string& version, const std::string& name,
                        const std::string& programName) {
    return "[" + author + "][" + version + "]" + name + " 适用于：" + programName;
}

void RefreshRuleList(const CleanerCore& core, UserInterface& ui, CheckList& list) {
    ui.SetStatus("[系统状态]正在初始化应用程序规则列表...");
    list.Clear();
    ui.SetStatus("[系统状态]正在渲染选择夹...");
    std::vector<std::pair<std::string, std::string>> positions;
    for (const std::string& name : ListedRuleNames(core.ReadSealedText(core.PathOf(paths::kConfigList)))) {
        const std::string type = core.RuleType(name);
        // Version and program name always come from the "Program" folder; only
        // the author follows the registered type.
        list.Append(RuleCaption(core.RuleAuthor(type, name), core.RuleVersion("Program", name), name,
                                core.RuleProgramName("Program", name)));
        positions.emplace_back(std::to_string(positions.size()), name);
    }
    WriteIniValues(core.PathOf(paths::kListPositions), kPositionSection, positions);
    ui.SetStatus("[系统状态]正在读取基础配置...");
    const std::string sum = core.PathOf(paths::kSum);
    for (int p = 0; p < list.Count(); ++p) {
        list.SetChecked(p, ReadIniValue(sum, kSwitchSection, NameAtPosition(core, p)) == "True");
    }
    ui.SetStatus("[系统状态]初始化完毕...");
}

void StoreRuleSwitches(const CleanerCore& core, const CheckList& list) {
    const std::string sum = core.PathOf(paths::kSum);
    for (int p = 0; p < list.Count(); ++p) {
        WriteIniValue(sum, kSwitchSection, NameAtPosition(core, p), list.IsChecked(p) ? "True" : "False");
    }
}

} // namespace zc
