#include "tests/support/temp_folder.h"

#include "platform/gbk.h"

#include <windows.h>

#include <atomic>
#include <string>

namespace zc::testing {

TempFolder::TempFolder() {
    static std::atomic<unsigned> counter{0};
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    for (;;) {
        const std::wstring candidate = std::wstring(base) + L"zc-test-" +
                                       std::to_wstring(GetCurrentProcessId()) + L"-" +
                                       std::to_wstring(counter++);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = ToGbk(candidate);
            return;
        }
    }
}

TempFolder::~TempFolder() {
    RemoveTreeForTest(path_);
}

void RemoveTreeForTest(const std::string& path) {
    const std::wstring folder = ToWide(path);
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring full = folder + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            const bool isLink = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !isLink) {
                RemoveTreeForTest(ToGbk(full));
            } else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveDirectoryW(full.c_str());
            } else {
                DeleteFileW(full.c_str());
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace zc::testing
