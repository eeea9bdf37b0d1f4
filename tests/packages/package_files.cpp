#include "tests/packages/package_files.h"

#include "common/rule_package.h"
#include "platform/file_system.h"
#include "platform/gbk.h"

#include <windows.h>

#include <algorithm>

namespace zc::testing {

std::string MemberText(const RuleSpec& rule) {
    return "[Basic]\r\nName=" + rule.name + "\r\nAuthor=Tester\r\nVersion=1\r\nProgramName=App\r\n" +
           "ProcessName=app.exe\r\nType=" + rule.type + "\r\nSpecVer=0\r\nLockLoad=" + rule.lockLoad +
           "\r\nLockEdit=False\r\n";
}

std::vector<ArchiveMember> PackageMembers(const RuleSpec& rule) {
    return {{kCheckMember, "True"},
            {kEditMember, SealBytes("True-" + rule.name, kDefaultScriptKey)},
            {kMainMember, SealBytes(rule.script, rule.scriptKey)},
            {kMemberMember, MemberText(rule)}};
}

std::string PackageBytes(const RuleSpec& rule) {
    return SealPackage(PackageMembers(rule));
}

namespace {

void AddTree(const std::string& folder, const std::string& prefix, std::map<std::string, std::string>& tree) {
    for (const std::string& name : NamesIn(folder)) {
        const std::string path = folder + "\\" + name;
        if (IsDirectory(path)) {
            tree[prefix + name] = "<folder>";
            AddTree(path, prefix + name + "\\", tree);
        } else {
            tree[prefix + name] = ReadFileBytes(path);
        }
    }
}

} // namespace

std::map<std::string, std::string> TreeOf(const std::string& folder) {
    std::map<std::string, std::string> tree;
    AddTree(folder, "", tree);
    return tree;
}

} // namespace zc::testing
