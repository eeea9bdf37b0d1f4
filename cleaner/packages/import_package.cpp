#include "cleaner/packages/import_package.h"

#include "cleaner/packages/load_pass_mark.h"
#include "cleaner/packages/package_paths.h"
#include "cleaner/packages/unpack_folder.h"
#include "cleaner/store/config_values.h"
#include "cleaner/store/registration_list.h"
#include "cleaner/store/store_paths.h"
#include "common/folder_name.h"
#include "common/ini_document.h"
#include "common/gbk_text.h"
#include "common/rule_package.h"
#include "common/seal.h"
#include "platform/file_system.h"
#include "platform/tree_delete.h"
#include "platform/profile.h"

namespace zc {
namespace {

bool IsWorkingFolderName(const std::string& type) {
    return EqualsIgnoringAsciiCase(type, "Temp") || EqualsIgnoringAsciiCase(type, "Bukkit");
}

constexpr const char* kNotAPackage = "请选择以.zcp结尾的ZC-Rules文件";
constexpr const char* kDamaged = "该配置文件已损坏，若多次导入均报错则说明文件彻底损坏";
constexpr const char* kUnusableName = "该配置文件的规则名称或类型不能用作文件夹名，已拒绝导入！";
constexpr const char* kDuplicate = "该配置文件在库中同名配置文件，已拒绝导入！";
constexpr const char* kPasswordNeeded = "请在接下来的窗口中提供密码\r\n输入密码后请重新导入！";
constexpr const char* kPasswordVerified = "已验证密码，单击确定继续导入！";
constexpr const char* kImported = "已导入！";

bool EndsInZcp(const std::string& path) {
    return path.size() >= 3 && path.compare(path.size() - 3, 3, "zcp") == 0;
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Unseals the chosen package through the transient files temp.zcp and temp.zip
// and unpacks it into the emptied unpack folder.
void UnpackChosenPackage(const CleanerCore& core, const std::string& packagePath) {
    const std::string copy = core.PathOf(paths::kTempPackage);
    CopyOneFile(packagePath, copy);
    const std::string packageBytes = ReadFileBytes(copy);
    DeleteOneFile(copy);
    const std::string archive = core.PathOf(paths::kTempArchive);
    WriteFileBytes(archive, UnsealBytes(packageBytes, kPackageKey));
    UnpackArchiveFile(archive, core.PathOf(paths::kUnpackFolder));
    DeleteOneFile(archive);
}

void Refuse(const CleanerCore& core, UserInterface& ui, const char* message) {
    RemoveFolderTree(core.PathOf(paths::kUnpackFolder));
    ui.ShowMessage(message, "Error");
}

void RegisterRule(const CleanerCore& core, const std::string& registrations, const std::string& name,
                  const std::string& type) {
    core.WriteSealedText(registrations + "\r\n" + RegistrationLine(name), core.PathOf(paths::kConfigList));
    if (type == "Program") {
        AppendRegistration(core, paths::kProgramList, name);
        AddToRuleCounter(core, type, 1);
    }
}

void CopyRuleFiles(const CleanerCore& core, const std::string& name, const std::string& type) {
    const std::string ruleFolder = core.PathOf(paths::kRulesDir) + type + "\\" + name;
    CreateOneDirectory(ruleFolder);
    const std::string unpacked = core.PathOf(paths::kUnpackFolder);
    for (const char* member : {kMemberMember, kMainMember}) {
        CopyOneFile(unpacked + "\\" + member, ruleFolder + "\\" + member);
    }
}

} // namespace

void ImportPackage(const CleanerCore& core, UserInterface& ui) {
    const std::string packagePath = ui.ChooseOpenFile();
    if (!EndsInZcp(packagePath)) {
        ui.ShowMessage(kNotAPackage, "Error");
        return;
    }
    UnpackChosenPackage(core, packagePath);

    const std::string unpacked = core.PathOf(paths::kUnpackFolder);
    if (TextUpToZero(ReadFileBytes(unpacked + "\\" + kCheckMember)) != kCheckMarker) {
        Refuse(core, ui, kDamaged);
        return;
    }
    const std::string memberFile = unpacked + "\\" + kMemberMember;
    const std::string name = ReadIniValue(memberFile, kBasicSection, kNameKey);
    const std::string type = ReadIniValue(memberFile, kBasicSection, kTypeKey);
    // Name and type become folder names below Rules and are removed with the rule
    // later; the two working folders of the rule tree are no rule type.
    if (!IsUsableFolderName(name) || !IsUsableFolderName(type) || IsWorkingFolderName(type)) {
        Refuse(core, ui, kUnusableName);
        return;
    }

    const std::string listPath = core.PathOf(paths::kConfigList);
    if (!FileExists(listPath)) {
        core.WriteSealedText("", listPath);
    }
    const std::string registrations = core.ReadSealedText(listPath);
    if (FindText(registrations, name) != std::string::npos) {
        Refuse(core, ui, kDuplicate);
        return;
    }

    if (ReadIniValue(memberFile, kBasicSection, kLockLoadKey) == "True") {
        if (LoadPassVerified() != name + "PASS") {
            // The window reads the locked rule from the unpack folder, so it stays.
            ui.ShowMessage(kPasswordNeeded, "Tips");
            ui.ShowLoadPasswordWindow();
            return;
        }
        ui.ShowMessage(kPasswordVerified, "Tips");
    }

    CopyOneFile(packagePath, core.PathOf(paths::kPackageCopies) + FileNameOf(packagePath));
    RegisterRule(core, registrations, name, type);
    CopyRuleFiles(core, name, type);
    WriteIniValue(core.PathOf(paths::kRules), name, "Type", type);
    RemoveFolderTree(unpacked);
    ui.ShowMessage(kImported, "Error");
}

} // namespace zc
