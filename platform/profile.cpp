#include "platform/profile.h"

#include "common/ini_document.h"
#include "platform/file_system.h"

namespace zc {
namespace {

std::string CleanFileName(const std::string& path) {
    size_t begin = 0;
    while (begin < path.size() && static_cast<unsigned char>(path[begin]) <= ' ') {
        ++begin;
    }
    return path.substr(begin);
}

} // namespace

std::string ReadIniValue(const std::string& path, const std::string& section, const std::string& key,
                              const std::string& fallback) {
    const std::string file = CleanFileName(path);
    if (file.empty() || TrimProfileName(section).empty() || TrimProfileName(key).empty()) {
        return "";
    }
    return IniDocument::Parse(ReadFileBytes(file)).Get(section, key, fallback);
}

void WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
    const std::string file = CleanFileName(path);
    if (file.empty() || TrimProfileName(section).empty() || TrimProfileName(key).empty()) {
        return;
    }
    IniDocument doc = IniDocument::Parse(ReadFileBytes(file));
    doc.Set(section, key, value);
    WriteFileBytes(file, doc.Serialize());
}

} // namespace zc
