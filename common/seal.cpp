#include "common/seal.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>

#include "common/des.h"

namespace zc {
namespace {

constexpr std::size_t kBlockSize = 8;
constexpr std::size_t kPrefixSize = 4;

std::uint8_t ReverseBits(std::uint8_t b) {
    std::uint8_t r = 0;
    for (int i = 0; i < 8; ++i) {
        r = static_cast<std::uint8_t>((r << 1) | ((b >> i) & 1));
    }
    return r;
}

// The folded key enters DES with the bit order of every byte reversed, so
// the 0x80 bit of each folded byte lands on an (ignored) parity position.
DesKey MakeDesKey(const std::string& keyText) {
    std::array<std::uint8_t, 8> key = FoldKeyText(keyText);
    for (std::uint8_t& b : key) {
        b = ReverseBits(b);
    }
    return DesKey(key);
}

std::uint8_t* BytesOf(std::string& s) {
    return reinterpret_cast<std::uint8_t*>(&s[0]);
}

} // namespace

std::array<std::uint8_t, 8> FoldKeyText(const std::string& keyText) {
    std::array<std::uint8_t, 8> key{};
    for (std::size_t i = 0; i < keyText.size() && keyText[i] != '\0'; ++i) {
        key[i % 8] ^= static_cast<std::uint8_t>(keyText[i]);
    }
    return key;
}

std::string SealBytes(const std::string& data, const std::string& keyText) {
    const std::size_t length = data.size();
    // The length prefix is a signed 32-bit number; longer data cannot be sealed.
    if (length == 0 || length > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return std::string();
    }
    const std::size_t total = (kPrefixSize + length + kBlockSize - 1) / kBlockSize * kBlockSize;
    std::string buffer;
    try {
        buffer.assign(total, '\0');
    } catch (const std::bad_alloc&) {
        return std::string();
    }
    std::uint8_t* bytes = BytesOf(buffer);
    const std::uint32_t prefix = static_cast<std::uint32_t>(length);
    for (std::size_t i = 0; i < kPrefixSize; ++i) {
        bytes[i] = static_cast<std::uint8_t>(prefix >> (8 * i));
    }
    buffer.replace(kPrefixSize, length, data);

    const DesKey key = MakeDesKey(keyText);
    for (std::size_t off = 0; off < total; off += kBlockSize) {
        key.EncryptBlock(bytes + off, bytes + off);
    }
    return buffer;
}

std::string UnsealBytes(const std::string& data, const std::string& keyText) {
    const std::size_t total = data.size();
    if (total == 0 || total % kBlockSize != 0) {
        return std::string();
    }
    std::string buffer;
    try {
        buffer = data;
    } catch (const std::bad_alloc&) {
        return std::string();
    }
    std::uint8_t* bytes = BytesOf(buffer);
    const DesKey key = MakeDesKey(keyText);
    for (std::size_t off = 0; off < total; off += kBlockSize) {
        key.DecryptBlock(bytes + off, bytes + off);
    }

    std::uint32_t prefix = 0;
    for (std::size_t i = 0; i < kPrefixSize; ++i) {
        prefix |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    }
    const std::int64_t length = static_cast<std::int32_t>(prefix);
    const std::int64_t used = static_cast<std::int64_t>(kPrefixSize) + length;
    const std::int64_t size = static_cast<std::int64_t>(total);
    // Valid exactly when total is 4 + length rounded up to a multiple of 8.
    if (length <= 0 || used > size || size - used >= static_cast<std::int64_t>(kBlockSize)) {
        return std::string();
    }
    // Shrinking in place needs no further allocation.
    buffer.resize(static_cast<std::size_t>(used));
    buffer.erase(0, kPrefixSize);
    return buffer;
}

} // namespace zc
