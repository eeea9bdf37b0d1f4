#include "tests/packages/package_files.h"

#include "common/rule_package.h"

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

} // namespace zc::testing
