#include "rulesmaker/export_package.h"

#include "common/folder_name.h"
#include "common/package_archive.h"
#include "common/seal.h"
#include "platform/file_system.h"
#include "platform/gbk.h"
#include "platform/profile.h"
#include "rulesmaker/chinese_chars.h"

#include <windows.h>

#include <vector>

namespace zc {
namespace {

constexpr char kNeedProgramName[] = "需要填写应用程序的名称";
constexpr char kNoChineseInName[] = "规则名称不能存在汉字！";
constexpr char kNameNotAFileName[] = "规则名称不能用作文件名，请换一个名称！";
constexpr char kExportFailed[] = "导出失败，未能写入规则包，运行目录下的文件未被改动！";
constexpr char kExportDone[] = "导出完成，已成功导出到运行目录下！";

// Listing order of the working folder, which is the order in the archive.
const char* const kMemberNames[] = {"Check.zcc", "Edit.zcc", "Main.zcc", "Member.zcc"};

// A folder that did not exist before; empty when none could be created.
std::string CreateFreshFolder(const std::string& parent, const std::string& stem) {
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        const std::string candidate = parent + "\\" + stem + "-" + std::to_string(GetCurrentProcessId()) +
                                      "-" + std::to_string(attempt);
        if (CreateOneDirectory(candidate)) {
            return candidate;
        }
        if (!FileExists(candidate)) {
            break;
        }
    }
    return {};
}

bool WriteMemberFiles(const RuleFields& rule, const std::string& folder) {
    const std::string member = folder + "\\Member.zcc";
    const std::pair<const char*, std::string> basic[] = {
        {"Name", rule.name},
        {"Author", rule.author},
        {"Version", rule.version},
        {"ProgramName", rule.programName},
        {"ProcessName", rule.processName},
        {"Type", "Program"},
        {"SpecVer", rule.specVer.empty() ? "0" : rule.specVer},
        {"LockLoad", rule.encryptionId.empty() ? "False" : "True"},
        {"LockEdit", rule.obfuscationId.empty() ? "False" : "True"},
    };
    for (const auto& [key, value] : basic) {
        WriteIniValue(member, "Basic", key, value);
    }

    std::string main = SealBytes(rule.script, kDefaultScriptKey);
    std::string edit = SealBytes("True-" + rule.name, kDefaultScriptKey);
    if (!rule.obfuscationId.empty()) {
        edit = SealBytes(rule.encryptionId, rule.obfuscationId);
    }
    if (!rule.encryptionId.empty()) {
        main = SealBytes(rule.script, rule.encryptionId);
    }
    return ReadIniValue(member, "Basic", "Type") == "Program" &&
           WriteFileBytes(folder + "\\Main.zcc", main) && WriteFileBytes(folder + "\\Edit.zcc", edit) &&
           WriteFileBytes(folder + "\\Check.zcc", "True");
}

// The archive of the members written into a fresh working folder; the folder
// and its four files are removed again, and nothing else is touched.
std::string BuildMemberArchive(const RuleFields& rule, const std::string& workParent) {
    const std::string folder = CreateFreshFolder(workParent, "ZC-RulesMaker");
    if (folder.empty()) {
        return {};
    }
    std::vector<ArchiveMember> members;
    if (WriteMemberFiles(rule, folder)) {
        for (const char* name : kMemberNames) {
            members.push_back({name, ReadFileBytes(folder + "\\" + name)});
        }
    }
    for (const char* name : kMemberNames) {
        DeleteOneFile(folder + "\\" + name);
    }
    RemoveEmptyDirectory(folder);
    return members.empty() ? std::string() : BuildZipArchive(members);
}

// Writes the bytes beside the target first, so that the target is either
// the old file or the complete new one.
bool ReplaceFileBytes(const std::string& target, const std::string& bytes) {
    std::string partial;
    for (unsigned attempt = 0; partial.empty() || FileExists(partial); ++attempt) {
        partial =
            target + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt) + ".part";
    }
    if (WriteFileBytes(partial, bytes) &&
        MoveFileExW(ToWide(partial).c_str(), ToWide(target).c_str(), MOVEFILE_REPLACE_EXISTING) != 0) {
        return true;
    }
    DeleteOneFile(partial);
    return false;
}

} // namespace

void ExportPackage(const RuleFields& rule, const std::string& programDirectory, const std::string& workParent,
                   MakerMessages& messages) {
    if (rule.programName.empty()) {
        messages.ShowMessage(kNeedProgramName, "Error");
        return;
    }
    if (!ChineseCharsOf(rule.name).empty()) {
        messages.ShowMessage(kNoChineseInName, "Error");
        return;
    }
    if (!IsUsableFolderName(rule.name)) {
        messages.ShowMessage(kNameNotAFileName, kMakerCaption);
        return;
    }
    const std::string archive = BuildMemberArchive(rule, workParent);
    const std::string package = SealBytes(archive, kPackageKey);
    if (package.empty() || !ReplaceFileBytes(programDirectory + "\\" + rule.name + ".zcp", package)) {
        messages.ShowMessage(kExportFailed, kMakerCaption);
        return;
    }
    messages.ShowMessage(kExportDone, kMakerCaption);
}

} // namespace zc
