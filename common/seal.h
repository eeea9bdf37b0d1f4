// The one cipher of both programs: DES in ECB mode over a length-prefixed,
// zero-padded buffer, keyed by a text folded into 8 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zc {

// Fixed key texts. Their 32 ASCII bytes are folded as they are; they are
// never decoded as hexadecimal.
inline constexpr char kPackageKey[] = "b8d47e20c9a1f6354e7b02d9ca816f3e";
inline constexpr char kDefaultScriptKey[] = "e2a9c4f71b0d83654fa2e7c90d16b58a";
inline constexpr char kSettingsKey[] = "94f0b7e2d3a6c1587e0f4b9a62dc3e17";

// XORs byte i of the key text (up to its first zero byte) into k[i mod 8],
// starting from 8 zero bytes.
std::array<std::uint8_t, 8> FoldKeyText(const std::string& keyText);

// Sealed form: 4-byte little-endian signed length, the data, zero padding to
// a multiple of 8, all enciphered. Empty data gives empty bytes.
std::string SealBytes(const std::string& data, const std::string& keyText);

// The data that was sealed, or empty bytes when data is not a valid sealed
// form under keyText. A wrong key usually gives empty bytes, but can by
// chance give bytes of the right length that are not the data.
std::string UnsealBytes(const std::string& data, const std::string& keyText);

} // namespace zc
