#include "cleaner/store/cleaner_core.h"

#include "cleaner/store/store_paths.h"
#include "common/gbk_text.h"
#include "common/seal.h"
#include "platform/file_system.h"
#include "platform/profile.h"

#include <utility>

namespace zc {
namespace {

constexpr const char* kLayout[] = {
    "\\Bin",           "\\Bin\\Config", "\\Bin\\Style",  "\\Rules",         "\\Rules\\Program",
    "\\Rules\\System", "\\Rules\\Auto", "\\Rules\\Temp", "\\Rules\\Bukkit",
};

} // namespace

CleanerCore::CleanerCore(std::string programDirectory) : programDirectory_(std::move(programDirectory)) {}

void CleanerCore::CreateLayout() const {
    for (const char* directory : kLayout) {
        CreateOneDirectory(PathOf(directory));
    }
}

void CleanerCore::WriteSealedText(const std::string& text, const std::string& path) const {
    WriteFileBytes(path, SealBytes(text, kSettingsKey));
}

std::string CleanerCore::ReadSealedText(const std::string& path) const {
    return TextUpToZero(UnsealBytes(ReadFileBytes(path), kSettingsKey));
}

std::string CleanerCore::MemberValue(const std::string& type, const std::string& name,
                                     const std::string& key) const {
    return ReadIniValue(PathOf(paths::kRulesDir + type + "\\" + name + "\\Member.zcc"), "Basic", key);
}

std::string CleanerCore::RuleAuthor(const std::string& type, const std::string& name) const {
    return MemberValue(type, name, "Author");
}

std::string CleanerCore::RuleVersion(const std::string& type, const std::string& name) const {
    return MemberValue(type, name, "Version");
}

std::string CleanerCore::RuleProgramName(const std::string& type, const std::string& name) const {
    return MemberValue(type, name, "ProgramName");
}

std::string CleanerCore::RuleProcessName(const std::string& type, const std::string& name) const {
    return MemberValue(type, name, "ProcessName");
}

std::string CleanerCore::RuleType(const std::string& name) const {
    return ReadIniValue(PathOf(paths::kRules), name, "Type");
}

bool CleanerCore::IsRuleEnabled(const std::string& type, const std::string& name) const {
    return ReadIniValue(PathOf(paths::kSum), type + "Status", name) == "True";
}

bool CleanerCore::HasLoadPassword(const std::string& name) const {
    return !RuleLoadPassword(name).empty();
}

std::string CleanerCore::RuleLoadPassword(const std::string& name) const {
    return ReadIniValue(PathOf(paths::kRules), name, "LoadPass");
}

std::string CleanerCore::ReadRuleScript(const std::string& name) const {
    const std::string type = RuleType(name);
    const std::string sealed = ReadFileBytes(PathOf(paths::kRulesDir + type + "\\" + name + "\\Main.zcc"));
    const std::string key = HasLoadPassword(name) ? RuleLoadPassword(name) : std::string(kDefaultScriptKey);
    return TextUpToZero(UnsealBytes(sealed, key));
}

} // namespace zc
