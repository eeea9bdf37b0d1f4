#include "platform/profile.h"

#include "common/ini_document.h"
#include "platform/file_system.h"
#include "platform/gbk.h"

#include <windows.h>

#include <map>
#include <memory>
#include <mutex>

namespace zc {
namespace {

std::string CleanFileName(const std::string& path) {
    size_t begin = 0;
    while (begin < path.size() && static_cast<unsigned char>(path[begin]) <= ' ') {
        ++begin;
    }
    return path.substr(begin);
}

// What identifies one content of a file: its size and last write time.
struct FileStamp {
    ULONGLONG size = 0;
    ULONGLONG written = 0;
    bool operator==(const FileStamp& other) const { return size == other.size && written == other.written; }
};

bool StampOf(const std::string& path, FileStamp& stamp) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(ToWide(path).c_str(), GetFileExInfoStandard, &data)) {
        return false;
    }
    stamp.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.written = (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                    data.ftLastWriteTime.dwLowDateTime;
    return true;
}

// Every value read rereads its file unless the file is unchanged since it was
// last parsed: a rule library of thousands of rules would otherwise parse the
// same files once per rule.
class ParsedFiles {
  public:
    using Document = std::shared_ptr<const IniDocument>;

    Document Load(const std::string& path) {
        FileStamp stamp;
        std::lock_guard<std::mutex> lock(mutex_);
        if (!StampOf(path, stamp)) {
            files_.erase(path);
            return std::make_shared<const IniDocument>(IniDocument::Parse(""));
        }
        const auto cached = files_.find(path);
        if (cached != files_.end() && cached->second.stamp == stamp) {
            return cached->second.document;
        }
        auto document = std::make_shared<const IniDocument>(IniDocument::Parse(ReadFileBytes(path)));
        files_[path] = {stamp, document};
        return document;
    }

    void Store(const std::string& path, const IniDocument& document) {
        std::lock_guard<std::mutex> lock(mutex_);
        FileStamp stamp;
        const std::string bytes = document.Serialize();
        if (WriteFileBytes(path, bytes) && StampOf(path, stamp)) {
            // Kept as it reads back from the file, which trims what was written.
            files_[path] = {stamp, std::make_shared<const IniDocument>(IniDocument::Parse(bytes))};
        } else {
            files_.erase(path);
        }
    }

  private:
    struct Entry {
        FileStamp stamp;
        Document document;
    };
    std::mutex mutex_;
    std::map<std::string, Entry> files_;
};

ParsedFiles& Files() {
    static ParsedFiles files;
    return files;
}

} // namespace

std::string ReadIniValue(const std::string& path, const std::string& section, const std::string& key,
                         const std::string& fallback) {
    const std::string file = CleanFileName(path);
    if (file.empty() || TrimProfileName(section).empty() || TrimProfileName(key).empty()) {
        return "";
    }
    return Files().Load(file)->Get(section, key, fallback);
}

void WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) {
    WriteIniValues(path, section, {{key, value}});
}

void WriteIniValues(const std::string& path, const std::string& section,
                    const std::vector<std::pair<std::string, std::string>>& keysAndValues) {
    const std::string file = CleanFileName(path);
    if (file.empty() || TrimProfileName(section).empty()) {
        return;
    }
    IniDocument document = *Files().Load(file);
    bool changed = false;
    for (const auto& [key, value] : keysAndValues) {
        if (!TrimProfileName(key).empty()) {
            document.Set(section, key, value);
            changed = true;
        }
    }
    if (changed) {
        Files().Store(file, document);
    }
}

} // namespace zc
