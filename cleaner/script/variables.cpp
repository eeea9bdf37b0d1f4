#include "cleaner/script/variables.h"

#include "cleaner/store/store_paths.h"
#include "common/gbk_text.h"
#include "platform/gbk.h"
#include "platform/profile.h"

#include <windows.h>

namespace zc {
namespace {

constexpr std::size_t kMaxReplacements = 99999;
constexpr std::size_t kUserNameBuffer = 50;
constexpr const char* kUserReference = "%%USER%%";

} // namespace

std::string CurrentUserName() {
    wchar_t buffer[kUserNameBuffer] = {};
    DWORD size = kUserNameBuffer;
    if (!GetUserNameW(buffer, &size)) {
        return "";
    }
    const std::string name = ToGbk(buffer);
    return name.size() < kUserNameBuffer ? name : "";
}

std::string ExpandVariables(const CleanerCore& core, const std::string& line, const std::string& ruleName) {
    std::string result = line;
    if (FindText(line, kUserReference) != std::string::npos) {
        result = ReplaceAllText(line, kUserReference, CurrentUserName(), kMaxReplacements);
    }
    if (FindText(result, "%%") == std::string::npos) {
        return result;
    }
    const std::string name = TextBetween(result, "%%", "%%");
    const std::string value = ReadIniValue(core.PathOf(paths::kVariableStore), ruleName, name);
    return ReplaceAllText(result, "%%" + name + "%%", value, kMaxReplacements);
}

void StoreVariable(const CleanerCore& core, const std::string& ruleName, const std::string& name,
                   const std::string& value) {
    WriteIniValue(core.PathOf(paths::kVariableStore), ruleName, name, value);
}

} // namespace zc
