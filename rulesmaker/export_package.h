#pragma once
// The export of the button "导出": the rule's four members, zipped, sealed
// under the package key and written as <name>.zcp into the program folder.
#include "rulesmaker/maker_messages.h"

#include <string>

namespace zc {

// The texts of the window's boxes, as typed.
struct RuleFields {
    std::string name;
    std::string author;
    std::string version;
    std::string specVer;
    std::string programName;
    std::string processName;
    std::string encryptionId;
    std::string obfuscationId;
    std::string script;
};

inline constexpr char kMakerCaption[] = "ZC-RulesMaker";

// Writes programDirectory\<name>.zcp, replacing an earlier one only once the
// new package is complete. The members are written in a fresh folder created
// under workParent and removed again; every outcome is told in one message.
void ExportPackage(const RuleFields& rule, const std::string& programDirectory, const std::string& workParent,
                   MakerMessages& messages);

} // namespace zc
