// Deletes a generated tree of small files with RML (recursive, "*.*") and,
// for comparison, with a bare walk of FindFirstFileW / DeleteFileW; prints
// both times and their ratio.
//
// Usage: rml_bench [folders [files per folder]]   (default 1000 x 100)
#include "bench/silent_interface.h"
#include "cleaner/script/pattern_delete.h"
#include "platform/system_files.h"
#include "platform/file_system.h"
#include "platform/gbk.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Folders of ten subfolders each, so the walk has depth as well as width.
void BuildTree(const std::string& root, int folders, int filesPerFolder) {
    zc::CreateOneDirectory(root);
    for (int f = 0; f < folders; ++f) {
        const std::string group = root + "\\g" + std::to_string(f / 10);
        zc::CreateOneDirectory(group);
        const std::string folder = group + "\\f" + std::to_string(f);
        zc::CreateOneDirectory(folder);
        for (int i = 0; i < filesPerFolder; ++i) {
            zc::WriteFileBytes(folder + "\\file" + std::to_string(i) + ".tmp", "small file");
        }
    }
}

int BareDelete(const std::wstring& directory) {
    int count = 0;
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW((directory + L"*.*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) {
        return 0;
    }
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            DeleteFileW((directory + data.cFileName).c_str())) {
            ++count;
        }
    } while (FindNextFileW(search, &data));
    FindClose(search);
    search = FindFirstFileW((directory + L"*.*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) {
        return count;
    }
    do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && data.cFileName[0] != L'.') {
            count += BareDelete(directory + data.cFileName + L"\\");
        }
    } while (FindNextFileW(search, &data));
    FindClose(search);
    return count;
}

// The runs delete only files; the emptied folders go afterwards.
void RemoveFolders(const std::string& root, int folders) {
    for (int f = 0; f < folders; ++f) {
        zc::RemoveEmptyDirectory(root + "\\g" + std::to_string(f / 10) + "\\f" + std::to_string(f));
        zc::RemoveEmptyDirectory(root + "\\g" + std::to_string(f / 10));
    }
    zc::RemoveEmptyDirectory(root);
}

template <typename Delete>
double TimeDeletion(const std::string& root, int folders, int files, Delete deleteTree, int& deleted) {
    BuildTree(root, folders, files);
    const auto start = std::chrono::steady_clock::now();
    deleted = deleteTree();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RemoveFolders(root, folders);
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    const int folders = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int files = argc > 2 ? std::atoi(argv[2]) : 100;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::string base = zc::ToGbk(temp) + "zc-rml-bench-" + std::to_string(GetCurrentProcessId());

    SilentInterface ui;
    // Alternating order (RML, bare, bare, RML) evens out caches and drift.
    double rml = 0;
    double bare = 0;
    int rmlCount = 0;
    int bareCount = 0;
    for (int round = 0; round < 4; ++round) {
        int deleted = 0;
        if (round == 0 || round == 3) {
            rml += TimeDeletion(
                base, folders, files,
                [&] { return zc::DeleteMatchingFiles(zc::SystemFiles(), ui, base, "*.*", true); }, deleted);
            rmlCount += deleted;
        } else {
            bare += TimeDeletion(
                base, folders, files, [&] { return BareDelete(zc::ToWide(base + "\\")); }, deleted);
            bareCount += deleted;
        }
    }
    std::printf("files per run: %d (%d folders), two runs each\n", folders * files, folders);
    std::printf("RML:      %.3f s, %d files deleted\n", rml, rmlCount);
    std::printf("baseline: %.3f s, %d files deleted\n", bare, bareCount);
    std::printf("ratio RML / baseline: %.3f\n", bare > 0 ? rml / bare : 0.0);
    return rmlCount == 2 * folders * files && bareCount == 2 * folders * files ? 0 : 1;
}
