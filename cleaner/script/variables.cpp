#include "cleaner/script/variables.h"

#include "common/gbk_text.h"

namespace zc {
namespace {

constexpr std::size_t kMaxReplacements = 99999;
constexpr const char* kUserReference = "%%USER%%";

} // namespace

std::string ExpandVariables(ScriptHost& host, const std::string& line, const std::string& ruleName) {
    std::string result = line;
    if (FindText(line, kUserReference) != std::string::npos) {
        result = ReplaceAllText(line, kUserReference, host.UserName(), kMaxReplacements);
    }
    if (FindText(result, "%%") == std::string::npos) {
        return result;
    }
    const std::string name = TextBetween(result, "%%", "%%");
    return ReplaceAllText(result, "%%" + name + "%%", host.ReadVariable(ruleName, name), kMaxReplacements);
}

} // namespace zc
