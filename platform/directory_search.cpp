#include "platform/directory_search.h"

#include "platform/gbk.h"

#include <windows.h>

namespace zc {
namespace {

class Search {
  public:
    explicit Search(const std::string& pattern) : handle_(FindFirstFileW(ToWide(pattern).c_str(), &data_)) {}
    ~Search() {
        if (Found()) {
            FindClose(handle_);
        }
    }
    Search(const Search&) = delete;
    Search& operator=(const Search&) = delete;

    bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }
    const WIN32_FIND_DATAW& Current() const { return data_; }
    bool Next() { return FindNextFileW(handle_, &data_) != 0; }

  private:
    WIN32_FIND_DATAW data_{};
    HANDLE handle_;
};

} // namespace

std::vector<DirectoryEntry> ListMatches(const std::string& pattern) {
    std::vector<DirectoryEntry> entries;
    Search search(pattern);
    if (!search.Found()) {
        return entries;
    }
    do {
        const WIN32_FIND_DATAW& data = search.Current();
        entries.push_back({ToGbk(data.cFileName), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
    } while (search.Next());
    return entries;
}

bool AnythingMatches(const std::string& pattern) {
    return Search(pattern).Found();
}

bool IsLink(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool RemoveLink(const std::string& path) {
    if (!IsLink(path)) {
        return false;
    }
    const std::wstring wide = ToWide(path);
    return RemoveDirectoryW(wide.c_str()) || DeleteFileW(wide.c_str());
}

} // namespace zc
