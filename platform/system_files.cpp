#include "platform/system_files.h"

#include "platform/directory_search.h"
#include "platform/file_system.h"

namespace zc {
namespace {

class WindowsFiles : public FileOperations {
  public:
    std::vector<DirectoryEntry> ListMatches(const std::string& pattern) override {
        return zc::ListMatches(pattern);
    }
    bool AnythingMatches(const std::string& pattern) override { return zc::AnythingMatches(pattern); }
    bool IsLink(const std::string& path) override { return zc::IsLink(path); }
    bool RemoveLink(const std::string& path) override { return zc::RemoveLink(path); }
    bool DeleteOneFile(const std::string& path) override { return zc::DeleteOneFile(path); }
    bool RemoveEmptyDirectory(const std::string& path) override { return zc::RemoveEmptyDirectory(path); }
};

} // namespace

FileOperations& SystemFiles() {
    static WindowsFiles files;
    return files;
}

} // namespace zc
