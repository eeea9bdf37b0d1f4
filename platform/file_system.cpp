#include "platform/file_system.h"

#include "platform/gbk.h"

#include <windows.h>

#include <memory>

namespace zc {
namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

UniqueHandle OpenFile(const std::string& path, DWORD access, DWORD disposition) {
    HANDLE handle = CreateFileW(ToWide(path).c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

} // namespace

std::string ProgramDirectory() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    const size_t slash = buffer.find_last_of(L"\\/");
    return ToGbk(slash == std::wstring::npos ? std::wstring() : buffer.substr(0, slash));
}

std::string ReadFileBytes(const std::string& path) {
    UniqueHandle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
    if (!file) {
        return {};
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7fffffff) {
        return {};
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD done = 0;
    size_t offset = 0;
    while (offset < bytes.size()) {
        if (!ReadFile(file.get(), bytes.data() + offset, static_cast<DWORD>(bytes.size() - offset), &done,
                      nullptr) ||
            done == 0) {
            break;
        }
        offset += done;
    }
    bytes.resize(offset);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    UniqueHandle file = OpenFile(path, GENERIC_WRITE, CREATE_ALWAYS);
    if (!file) {
        return false;
    }
    size_t offset = 0;
    while (offset < bytes.size()) {
        DWORD done = 0;
        if (!WriteFile(file.get(), bytes.data() + offset, static_cast<DWORD>(bytes.size() - offset), &done,
                       nullptr)) {
            return false;
        }
        offset += done;
    }
    return true;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateOneDirectory(const std::string& path) {
    return CreateDirectoryW(ToWide(path).c_str(), nullptr) != 0;
}

bool RemoveEmptyDirectory(const std::string& path) {
    return RemoveDirectoryW(ToWide(path).c_str()) != 0;
}

bool DeleteOneFile(const std::string& path) {
    return DeleteFileW(ToWide(path).c_str()) != 0;
}

bool CopyOneFile(const std::string& from, const std::string& to) {
    return CopyFileW(ToWide(from).c_str(), ToWide(to).c_str(), FALSE) != 0;
}

} // namespace zc
