#include "tests/common/zip_fixture.h"

#include <zlib.h>

namespace zc::testing {
namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

} // namespace

std::string StoredZipArchive(const std::vector<StoredMember>& members) {
    std::string local;
    std::string central;
    for (const StoredMember& member : members) {
        const auto crc = static_cast<std::uint32_t>(crc32(
            0, reinterpret_cast<const Bytef*>(member.bytes.data()), static_cast<uInt>(member.bytes.size())));
        const auto size =
            static_cast<std::uint32_t>(member.declaredSize < 0 ? member.bytes.size() : member.declaredSize);
        const auto offset = static_cast<std::uint32_t>(local.size());
        std::string common;
        Put(common, 0, 2);  // flags
        Put(common, 0, 2);  // method: stored
        Put(common, 0, 2);  // time
        Put(common, 33, 2); // date: 1980-01-01
        Put(common, crc, 4);
        Put(common, size, 4);
        Put(common, size, 4);
        Put(common, static_cast<std::uint32_t>(member.name.size()), 2);
        Put(common, 0, 2); // extra field length

        Put(local, 0x04034b50, 4);
        Put(local, 20, 2);
        local += common + member.name + member.bytes;

        Put(central, 0x02014b50, 4);
        Put(central, 20, 2);
        Put(central, 20, 2);
        central += common;
        Put(central, 0, 2); // comment length
        Put(central, 0, 2); // disk
        Put(central, 0, 2); // internal attributes
        Put(central, 0, 4); // external attributes
        Put(central, offset, 4);
        central += member.name;
    }
    std::string end;
    Put(end, 0x06054b50, 4);
    Put(end, 0, 4);
    Put(end, static_cast<std::uint32_t>(members.size()), 2);
    Put(end, static_cast<std::uint32_t>(members.size()), 2);
    Put(end, static_cast<std::uint32_t>(central.size()), 4);
    Put(end, static_cast<std::uint32_t>(local.size()), 4);
    Put(end, 0, 2);
    return local + central + end;
}

} // namespace zc::testing
