#pragma once
// Rule packages made for tests, and a look at everything below a folder.
#include "common/package_archive.h"
#include "common/seal.h"

#include <map>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

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

// Relative path of every file and folder below the folder, with the bytes of
// each file (folders map to "<folder>").
std::map<std::string, std::string> TreeOf(const std::string& folder);

} // namespace zc::testing
