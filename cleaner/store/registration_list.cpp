#include "cleaner/store/registration_list.h"

#include "cleaner/store/store_paths.h"
#include "common/gbk_text.h"
#include "platform/file_system.h"

namespace zc {

std::string RegistrationLine(const std::string& name) {
    return "&&" + name + "&&";
}

std::string NameOfRegistrationLine(const std::string& line) {
    return TextBetween(line, "&&", "&&");
}

std::vector<std::string> ListedRuleNames(const std::string& registrationText) {
    std::vector<std::string> names;
    for (const std::string& line : SplitText(registrationText, "\r\n")) {
        if (!line.empty() && line != "####") {
            names.push_back(NameOfRegistrationLine(line));
        }
    }
    return names;
}

void AppendRegistration(const CleanerCore& core, const std::string& relativePath, const std::string& name) {
    const std::string path = core.PathOf(relativePath);
    if (!FileExists(path)) {
        core.WriteSealedText("", path);
    }
    core.WriteSealedText(core.ReadSealedText(path) + "\r\n" + RegistrationLine(name), path);
}

bool CancelRegistration(const CleanerCore& core, const std::string& name) {
    const std::string path = core.PathOf(paths::kConfigList);
    const std::string text = core.ReadSealedText(path);
    const std::string line = RegistrationLine(name);
    if (FindText(text, line) == std::string::npos) {
        return false;
    }
    core.WriteSealedText(ReplaceAllText(text, line, "####"), path);
    return true;
}

} // namespace zc
