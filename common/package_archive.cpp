#include "common/package_archive.h"

#include <unzip.h>
#include <zip.h>

#include <algorithm>
#include <cstring>

namespace zc {
namespace {

// A growing byte buffer that minizip reads and writes as its file.
struct MemoryFile {
    std::string bytes;
    std::size_t position = 0;
};

voidpf ZCALLBACK OpenMemory(voidpf opaque, const void*, int) {
    return opaque;
}

uLong ZCALLBACK ReadMemory(voidpf, voidpf stream, void* buffer, uLong size) {
    auto* file = static_cast<MemoryFile*>(stream);
    const std::size_t available =
        file->position < file->bytes.size() ? file->bytes.size() - file->position : 0;
    const std::size_t count = std::min<std::size_t>(size, available);
    std::memcpy(buffer, file->bytes.data() + file->position, count);
    file->position += count;
    return static_cast<uLong>(count);
}

uLong ZCALLBACK WriteMemory(voidpf, voidpf stream, const void* buffer, uLong size) {
    auto* file = static_cast<MemoryFile*>(stream);
    if (file->position + size > file->bytes.size()) {
        file->bytes.resize(file->position + size);
    }
    std::memcpy(&file->bytes[file->position], buffer, size);
    file->position += size;
    return size;
}

ZPOS64_T ZCALLBACK TellMemory(voidpf, voidpf stream) {
    return static_cast<MemoryFile*>(stream)->position;
}

long ZCALLBACK SeekMemory(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    auto* file = static_cast<MemoryFile*>(stream);
    ZPOS64_T base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR) {
        base = file->position;
    } else if (origin == ZLIB_FILEFUNC_SEEK_END) {
        base = file->bytes.size();
    }
    if (base + offset > file->bytes.size()) {
        return -1;
    }
    file->position = static_cast<std::size_t>(base + offset);
    return 0;
}

int ZCALLBACK CloseMemory(voidpf, voidpf) {
    return 0;
}

int ZCALLBACK MemoryError(voidpf, voidpf) {
    return 0;
}

zlib_filefunc64_def MemoryFunctions(MemoryFile& file) {
    zlib_filefunc64_def functions{};
    functions.zopen64_file = OpenMemory;
    functions.zread_file = ReadMemory;
    functions.zwrite_file = WriteMemory;
    functions.ztell64_file = TellMemory;
    functions.zseek64_file = SeekMemory;
    functions.zclose_file = CloseMemory;
    functions.zerror_file = MemoryError;
    functions.opaque = &file;
    return functions;
}

bool AddMember(zipFile zip, const ArchiveMember& member) {
    zip_fileinfo info{};
    if (zipOpenNewFileInZip64(zip, member.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 8,
                              0) != ZIP_OK) {
        return false;
    }
    const bool written =
        member.bytes.empty() ||
        zipWriteInFileInZip(zip, member.bytes.data(), static_cast<unsigned>(member.bytes.size())) == ZIP_OK;
    return zipCloseFileInZip(zip) == ZIP_OK && written;
}

bool ReadCurrentMember(unzFile unzip, std::uint64_t& budget, ArchiveMember& member) {
    unz_file_info64 info{};
    char name[1024] = {};
    if (unzGetCurrentFileInfo64(unzip, &info, name, sizeof(name) - 1, nullptr, 0, nullptr, 0) != UNZ_OK ||
        info.uncompressed_size > budget || unzOpenCurrentFile(unzip) != UNZ_OK) {
        return false;
    }
    member.name = name;
    member.bytes.assign(static_cast<std::size_t>(info.uncompressed_size), '\0');
    const int read = member.bytes.empty() ? 0
                                          : unzReadCurrentFile(unzip, &member.bytes[0],
                                                               static_cast<unsigned>(member.bytes.size()));
    const bool complete =
        unzCloseCurrentFile(unzip) == UNZ_OK && read == static_cast<int>(member.bytes.size());
    budget -= info.uncompressed_size;
    return complete;
}

} // namespace

std::string BuildZipArchive(const std::vector<ArchiveMember>& members) {
    MemoryFile file;
    zlib_filefunc64_def functions = MemoryFunctions(file);
    zipFile zip = zipOpen2_64("", APPEND_STATUS_CREATE, nullptr, &functions);
    if (zip == nullptr) {
        return {};
    }
    bool ok = true;
    for (const ArchiveMember& member : members) {
        ok = ok && AddMember(zip, member);
    }
    ok = zipClose(zip, nullptr) == ZIP_OK && ok;
    return ok ? file.bytes : std::string();
}

bool ReadZipArchive(const std::string& zipBytes, std::vector<ArchiveMember>& members,
                    std::uint64_t maxTotalBytes) {
    members.clear();
    MemoryFile file{zipBytes, 0};
    zlib_filefunc64_def functions = MemoryFunctions(file);
    unzFile unzip = unzOpen2_64("", &functions);
    if (unzip == nullptr) {
        return false;
    }
    bool ok = true;
    for (int status = unzGoToFirstFile(unzip); ok && status == UNZ_OK; status = unzGoToNextFile(unzip)) {
        ArchiveMember member;
        ok = ReadCurrentMember(unzip, maxTotalBytes, member);
        members.push_back(std::move(member));
    }
    unzClose(unzip);
    return ok;
}

} // namespace zc
