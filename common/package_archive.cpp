#include "common/package_archive.h"

#include "common/folder_name.h"
#include "common/gbk_text.h"

#include <unzip.h>
#include <zip.h>

#include <algorithm>
#include <cstring>

namespace zc {
namespace {

// minizip reaches its archive only through these callbacks, so an archive can
// live in a std::string instead of a file.
struct MemoryStream {
    std::string bytes;
    std::uint64_t position = 0;
};

MemoryStream& StreamOf(voidpf stream) {
    return *static_cast<MemoryStream*>(stream);
}

voidpf OpenStream(voidpf opaque, const void*, int) {
    return opaque;
}

uLong ReadStream(voidpf, voidpf stream, void* buffer, uLong size) {
    MemoryStream& s = StreamOf(stream);
    if (s.position >= s.bytes.size()) {
        return 0;
    }
    const std::uint64_t count = std::min<std::uint64_t>(size, s.bytes.size() - s.position);
    std::memcpy(buffer, s.bytes.data() + s.position, count);
    s.position += count;
    return static_cast<uLong>(count);
}

uLong WriteStream(voidpf, voidpf stream, const void* buffer, uLong size) {
    MemoryStream& s = StreamOf(stream);
    if (s.position > s.bytes.size()) {
        s.bytes.resize(s.position);
    }
    const std::size_t overwritten = std::min<std::uint64_t>(size, s.bytes.size() - s.position);
    s.bytes.replace(s.position, overwritten, static_cast<const char*>(buffer), size);
    s.position += size;
    return size;
}

ZPOS64_T TellStream(voidpf, voidpf stream) {
    return StreamOf(stream).position;
}

long SeekStream(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    MemoryStream& s = StreamOf(stream);
    std::uint64_t base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR) {
        base = s.position;
    } else if (origin == ZLIB_FILEFUNC_SEEK_END) {
        base = s.bytes.size();
    }
    if (offset > s.bytes.size() || base > s.bytes.size() - offset) {
        return -1;
    }
    s.position = base + offset;
    return 0;
}

int CloseStream(voidpf, voidpf) {
    return 0;
}

int StreamError(voidpf, voidpf) {
    return 0;
}

zlib_filefunc64_def MemoryFunctions(MemoryStream& stream) {
    zlib_filefunc64_def functions{};
    functions.zopen64_file = OpenStream;
    functions.zread_file = ReadStream;
    functions.zwrite_file = WriteStream;
    functions.ztell64_file = TellStream;
    functions.zseek64_file = SeekStream;
    functions.zclose_file = CloseStream;
    functions.zerror_file = StreamError;
    functions.opaque = &stream;
    return functions;
}

constexpr int kCompressionLevel = 8;
constexpr uLong kEncryptedFlag = 1;
constexpr std::size_t kChunkSize = 1 << 16;

// The current member's bytes, or false when it cannot be read whole, fails its
// checksum or would push the running total past the limit.
bool ReadCurrentMember(unzFile zip, const unz_file_info64& info, std::uint64_t& total, std::uint64_t limit,
                       std::string& bytes) {
    if ((info.flag & kEncryptedFlag) != 0 || unzOpenCurrentFile(zip) != UNZ_OK) {
        return false;
    }
    std::string chunk(kChunkSize, '\0');
    int count = 0;
    while ((count = unzReadCurrentFile(zip, chunk.data(), static_cast<unsigned>(chunk.size()))) > 0) {
        total += static_cast<std::uint64_t>(count);
        if (total > limit) {
            unzCloseCurrentFile(zip);
            return false;
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(count));
    }
    // Closing checks the checksum, but only once the declared size was read.
    const bool closed = unzCloseCurrentFile(zip) == UNZ_OK;
    return count == 0 && closed && bytes.size() == info.uncompressed_size;
}

bool ReadAllMembers(unzFile zip, std::uint64_t limit, std::vector<ArchiveMember>& members) {
    std::uint64_t total = 0;
    int step = unzGoToFirstFile(zip);
    for (; step == UNZ_OK; step = unzGoToNextFile(zip)) {
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
            return false;
        }
        ArchiveMember member;
        member.name.assign(info.size_filename, '\0');
        if (unzGetCurrentFileInfo64(zip, &info, member.name.data(), static_cast<uLong>(member.name.size()),
                                    nullptr, 0, nullptr, 0) != UNZ_OK ||
            !IsSafeMemberName(member.name) || !ReadCurrentMember(zip, info, total, limit, member.bytes) ||
            (member.name.back() == '/' && !member.bytes.empty())) {
            return false;
        }
        members.push_back(std::move(member));
    }
    return step == UNZ_END_OF_LIST_OF_FILE;
}

} // namespace

std::string BuildZipArchive(const std::vector<ArchiveMember>& members) {
    MemoryStream stream;
    zlib_filefunc64_def functions = MemoryFunctions(stream);
    zipFile zip = zipOpen2_64("", APPEND_STATUS_CREATE, nullptr, &functions);
    if (zip == nullptr) {
        return {};
    }
    for (const ArchiveMember& member : members) {
        zip_fileinfo info{};
        info.tmz_date.tm_year = 1980;
        info.tmz_date.tm_mday = 1;
        zipOpenNewFileInZip64(zip, member.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                              kCompressionLevel, member.bytes.size() >= 0xffffffffu ? 1 : 0);
        for (std::size_t offset = 0; offset < member.bytes.size(); offset += kChunkSize) {
            const std::size_t count = std::min(kChunkSize, member.bytes.size() - offset);
            zipWriteInFileInZip(zip, member.bytes.data() + offset, static_cast<unsigned>(count));
        }
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
    return stream.bytes;
}

bool ReadZipArchive(const std::string& zipBytes, std::vector<ArchiveMember>& members,
                    std::uint64_t maxTotalBytes) {
    members.clear();
    MemoryStream stream{zipBytes};
    zlib_filefunc64_def functions = MemoryFunctions(stream);
    unzFile zip = unzOpen2_64("", &functions);
    if (zip == nullptr) {
        return false;
    }
    const bool whole = ReadAllMembers(zip, maxTotalBytes, members);
    unzClose(zip);
    if (!whole) {
        members.clear();
    }
    return whole;
}

bool IsSafeMemberName(const std::string& name) {
    const bool folderEntry = !name.empty() && name.back() == '/';
    const std::vector<std::string> parts =
        SplitText(folderEntry ? name.substr(0, name.size() - 1) : name, "/");
    // SplitText drops an empty last piece, so a name ending in "//" is caught here.
    if (parts.empty() || (folderEntry && name.size() >= 2 && name[name.size() - 2] == '/')) {
        return false;
    }
    return std::all_of(parts.begin(), parts.end(), IsUsableFolderName);
}

} // namespace zc
