#include "cleaner/store/config_values.h"

#include "cleaner/store/store_paths.h"
#include "common/gbk_text.h"
#include "common/profile_number.h"
#include "platform/file_system.h"
#include "platform/profile.h"

namespace zc {

void AddToRuleCounter(const CleanerCore& core, const std::string& type, int delta) {
    const std::string path = core.PathOf(paths::kSum);
    const long long sum =
        static_cast<long long>(ParseProfileNumber(ReadIniValue(path, type, "Number"))) + delta;
    WriteIniValue(path, type, "Number", std::to_string(sum));
}

void RemoveIniSection(const std::string& path, const std::string& section) {
    if (!FileExists(path)) {
        return;
    }
    const std::string text = TextUpToZero(ReadFileBytes(path));
    const std::string header = "[" + section + "]";
    const size_t start = FindText(text, header);
    if (start == std::string::npos) {
        return;
    }
    const size_t next = FindText(text, "[", start + header.size() - 1);
    WriteFileBytes(path, text.substr(0, start) + (next == std::string::npos ? "" : text.substr(next)));
}

} // namespace zc
