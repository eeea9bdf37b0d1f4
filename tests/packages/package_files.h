#pragma once
// Rule packages made for tests.
#include "common/package_archive.h"
#include "common/seal.h"
#include "tests/support/folder_snapshot.h"

#include <string>
#include <vector>

#include "tests/support/folder_snapshot.h"

namespace zc::testing {

struct RuleSpec {
    std::string name = "Chrome";
    std::string type = "Program";
    std::string lockLoad = "False";
    std::string script = "RMF %Temp%\\chrome.log\r\nECHO done";
    std::string scriptKey = kDefaultScriptKey;
};

std::string MemberText(const RuleSpec& rule);
// Member.zcc, Main.zcc, Edit.zcc and Check.zcc as the rules maker writes them.
std::vector<ArchiveMember> PackageMembers(const RuleSpec& rule);
std::string PackageBytes(const RuleSpec& rule);

} // namespace zc::testing
