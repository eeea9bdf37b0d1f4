// DES block cipher (FIPS 46-3), one 8-byte block at a time.
#pragma once

#include <array>
#include <cstdint>

namespace zc {

// A DES key with its 16 round keys computed once at construction.
// Bit order is the standard one: byte 0 holds bits 1..8, most significant
// bit first. The parity bits (lowest bit of every key byte) are ignored;
// parity is not checked and weak keys are accepted.
class DesKey {
  public:
    explicit DesKey(const std::array<std::uint8_t, 8>& key);

    // in and out may point to the same 8 bytes.
    void EncryptBlock(const std::uint8_t* in, std::uint8_t* out) const;
    void DecryptBlock(const std::uint8_t* in, std::uint8_t* out) const;

  private:
    void CryptBlock(const std::uint8_t* in, std::uint8_t* out, bool decrypt) const;

    // Per round: the 48-bit round key as eight 6-bit groups, one per S-box.
    std::array<std::array<std::uint8_t, 8>, 16> roundKeys_{};
};

} // namespace zc
