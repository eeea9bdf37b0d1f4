// Writes packages with this program's own package writer into the folder given
// as the one argument, each X.zcp beside a folder X.members holding the plain
// members, for the reference reader to compare.
#include "common/rule_package.h"
#include "platform/file_system.h"
#include "tests/packages/package_files.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const std::string folder = argv[1];
    zc::CreateOneDirectory(folder);
    zc::testing::RuleSpec plain;
    zc::testing::RuleSpec locked;
    locked.name = "Locked";
    locked.lockLoad = "True";
    locked.scriptKey = "writer secret";
    zc::testing::RuleSpec gbk;
    gbk.name = "规则";
    gbk.script = "ECHO 中文";
    zc::testing::RuleSpec emptyScript;
    emptyScript.name = "Empty";
    emptyScript.script = "";
    const std::pair<std::string, zc::testing::RuleSpec> packages[] = {
        {"Plain", plain}, {"Locked", locked}, {"Gbk", gbk}, {"EmptyScript", emptyScript}};
    for (const auto& [fileName, rule] : packages) {
        const std::vector<zc::ArchiveMember> members = zc::testing::PackageMembers(rule);
        const std::string membersFolder = folder + "\\" + fileName + ".members";
        zc::CreateOneDirectory(membersFolder);
        for (const zc::ArchiveMember& member : members) {
            if (!zc::WriteFileBytes(membersFolder + "\\" + member.name, member.bytes)) {
                return 1;
            }
        }
        if (!zc::WriteFileBytes(folder + "\\" + fileName + ".zcp", zc::SealPackage(members))) {
            return 1;
        }
    }
    return 0;
}
