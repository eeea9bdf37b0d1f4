#include "cleaner/packages/load_password.h"

#include "cleaner/packages/load_pass_mark.h"
#include "cleaner/packages/package_paths.h"
#include "cleaner/store/store_paths.h"
#include "common/gbk_text.h"
#include "common/rule_package.h"
#include "common/seal.h"
#include "platform/file_system.h"
#include "platform/profile.h"

namespace zc {

bool CheckLoadPassword(const CleanerCore& core, const std::string& typedPassword, const MessageSink& show) {
    const std::string folder = core.PathOf(paths::kUnpackFolder);
    const std::string sealedScript = ReadFileBytes(folder + "\\" + kMainMember);
    const std::string name = ReadIniValue(folder + "\\" + kMemberMember, kBasicSection, kNameKey);
    const std::string script = TextUpToZero(UnsealBytes(sealedScript, typedPassword));
    if (FindText(script, "RM") == std::string::npos) {
        show("密码错误，导入失败！", "ERROR");
        return false;
    }
    LoadPassVerified() = name + "PASS";
    WriteIniValue(core.PathOf(paths::kRules), name, "LoadPass", typedPassword);
    show("密码正确，请重新导入即可！", "ERROR");
    return true;
}

} // namespace zc
