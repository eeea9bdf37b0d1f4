#include "common/seal.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/des.h"

namespace zc {
namespace {

std::string FromHex(const std::string& hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        out += static_cast<char>(std::stoul(hex.substr(i, 2), nullptr, 16));
    }
    return out;
}

std::string ToHex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 0xF];
    }
    return out;
}

// The key text "12345678" folds to its own bytes 31..38; reversing the bits of
// each byte by hand gives the DES key below.
const char kHandKeyText[] = "12345678";
const std::array<std::uint8_t, 8> kHandDesKey = {0x8C, 0x4C, 0xCC, 0x2C, 0xAC, 0x6C, 0xEC, 0x1C};

std::string EncipherWithHandKey(std::string plain) {
    const DesKey key(kHandDesKey);
    auto* bytes = reinterpret_cast<std::uint8_t*>(&plain[0]);
    for (std::size_t off = 0; off + 8 <= plain.size(); off += 8) {
        key.EncryptBlock(bytes + off, bytes + off);
    }
    return plain;
}

// A plain buffer with the given 32-bit length prefix, filled to `size` bytes
// with non-zero content.
std::string CraftPlain(std::uint32_t prefix, std::size_t size) {
    std::string plain(size, '\0');
    for (std::size_t i = 0; i < 4; ++i) {
        plain[i] = static_cast<char>(prefix >> (8 * i));
    }
    for (std::size_t i = 4; i < size; ++i) {
        plain[i] = static_cast<char>('a' + i % 26);
    }
    return plain;
}

std::string PatternData(std::size_t length, unsigned seed) {
    std::string data(length, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        // Every third byte is zero so zero bytes sit inside and at the ends.
        data[i] = (i % 3 == seed % 3) ? '\0' : static_cast<char>(seed * 31 + i * 7 + 1);
    }
    return data;
}

TEST(FoldKeyTextTest, XorsBytesIntoEightPositions) {
    struct Case {
        std::string keyText;
        std::string folded;
    };
    const Case cases[] = {
        {"", "0000000000000000"},
        {"abc", "6162630000000000"},
        {"12345678", "3132333435363738"},
        {"123456789", "0832333435363738"},  // '1' ^ '9'
        {"1234567890", "0802333435363738"}, // '2' ^ '0'
        {"abcdefghabcdefgh", "0000000000000000"},
        {std::string("ab\0cd", 5), "6162000000000000"}, // stops at the zero byte
        {"\xd2\xfd\xba\xc5", "d2fdbac500000000"},
        {kPackageKey, "56050a5657075659"},
        {kDefaultScriptKey, "505201595c050b5a"},
        {kSettingsKey, "5c5053030601585c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToHex(c.keyText));
        const std::array<std::uint8_t, 8> folded = FoldKeyText(c.keyText);
        EXPECT_EQ(ToHex(std::string(folded.begin(), folded.end())), c.folded);
    }
}

TEST(SealBytesTest, PadsToWholeBlocksAfterLengthPrefix) {
    struct Case {
        std::size_t dataLength;
        std::size_t sealedLength;
    };
    const Case cases[] = {{0, 0},  {1, 8},   {2, 8},   {3, 8},   {4, 8},   {5, 16},
                          {8, 16}, {12, 16}, {13, 24}, {20, 24}, {21, 32}, {100, 104}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dataLength);
        EXPECT_EQ(SealBytes(std::string(c.dataLength, 'x'), kPackageKey).size(), c.sealedLength);
    }
}

TEST(SealBytesTest, EnciphersPrefixDataAndZeroPaddingInEcbMode) {
    struct Case {
        std::string data;
        std::string plain; // expected buffer before encipherment
    };
    const Case cases[] = {
        {"A", std::string("\x01\0\0\0A\0\0\0", 8)},
        {"ABCD", std::string("\x04\0\0\0"
                             "ABCD",
                             8)},
        {"ABCDE", std::string("\x05\0\0\0"
                              "ABCDE\0\0\0\0\0\0\0",
                              16)},
        // Two equal plain blocks must give two equal cipher blocks.
        {"wxyzABCDEFGHABCDEFGH", std::string("\x14\0\0\0"
                                             "wxyzABCDEFGHABCDEFGH",
                                             24)},
        {std::string(300, 'q'), std::string("\x2c\x01\0\0", 4) + std::string(300, 'q')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data);
        EXPECT_EQ(SealBytes(c.data, kHandKeyText), EncipherWithHandKey(c.plain));
    }
    const std::string sealed = SealBytes("wxyzABCDEFGHABCDEFGH", kHandKeyText);
    EXPECT_EQ(sealed.substr(8, 8), sealed.substr(16, 8));
}

// Expected bytes computed independently with Python and PyCryptodome:
// fold the key text by XOR, reverse the bits of each folded byte, then
//   DES.new(key, DES.MODE_ECB).encrypt(struct.pack('<i', len(d)) + d + zeros)
// with zeros padding to a multiple of 8. One case per fixed key text.
TEST(SealBytesTest, MatchesIndependentlyComputedForms) {
    struct Case {
        const char* keyText;
        std::string data;
        const char* sealedHex;
    };
    const Case cases[] = {
        {kPackageKey, "Zephon", "4574d19f5432bbf436e72a5808cfdbe1"},
        {kSettingsKey, "&&Rule&&\r\n####", "bb226a9b189b821071eaa84061abd4ea4b97a07d184555f6"},
        {kDefaultScriptKey, "ECHO \xd2\xfd\xba\xc5", "c6dd5d6b2cd0916f8ba8f8517af14c28"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data);
        EXPECT_EQ(ToHex(SealBytes(c.data, c.keyText)), c.sealedHex);
        EXPECT_EQ(UnsealBytes(FromHex(c.sealedHex), c.keyText), c.data);
    }
}

TEST(SealBytesTest, EmptyInEmptyOut) {
    EXPECT_EQ(SealBytes("", kPackageKey), "");
    EXPECT_EQ(SealBytes("", ""), "");
    EXPECT_EQ(UnsealBytes("", kPackageKey), "");
    EXPECT_EQ(UnsealBytes("", ""), "");
}

TEST(SealBytesTest, RoundTripKeepsZeroBytesForManyLengths) {
    const std::string keys[] = {"", kPackageKey, kSettingsKey, "\xc3\xdc\xc2\xeb", "k"};
    for (const std::string& key : keys) {
        for (std::size_t length = 1; length <= 70; ++length) {
            SCOPED_TRACE("key " + ToHex(key) + " length " + std::to_string(length));
            const std::string data = PatternData(length, static_cast<unsigned>(length));
            const std::string sealed = SealBytes(data, key);
            EXPECT_EQ(sealed.size(), (4 + length + 7) / 8 * 8);
            EXPECT_EQ(UnsealBytes(sealed, key), data);
        }
    }
}

TEST(SealBytesTest, KeyTextsDifferingOnlyInHighBitSealIdentically) {
    const std::string data = "some rule script\r\nECHO done";
    struct Case {
        std::string a;
        std::string b;
        bool same;
    };
    const Case cases[] = {
        {"abc", "\xe1\xe2\xe3", true}, // every byte | 0x80
        {"", "\x80", true},
        {"12345678",
         "1234\xb5"
         "678",
         true},
        {"123456789", "12345678\xb9", true}, // 0x80 reaches k[0] through the XOR
        {"abc", "abb", false},               // 0x01 is a real key bit
        {"abc",
         "a\x22"
         "c",
         false}, // 0x40 too
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToHex(c.a) + " vs " + ToHex(c.b));
        EXPECT_EQ(SealBytes(data, c.a) == SealBytes(data, c.b), c.same);
    }
}

TEST(SealBytesTest, RepeatedEightByteRunEqualsEmptyKey) {
    const std::string data = "Member.zcc";
    EXPECT_EQ(SealBytes(data, "abcdefghabcdefgh"), SealBytes(data, ""));
    EXPECT_EQ(SealBytes(data, "\xd2\xfd\xba\xc5xyz!\xd2\xfd\xba\xc5xyz!"), SealBytes(data, ""));
    EXPECT_NE(SealBytes(data, "abcdefgh"), SealBytes(data, ""));
    EXPECT_EQ(UnsealBytes(SealBytes(data, "abcdefghabcdefgh"), ""), data);
}

TEST(SealBytesTest, KeyBytesBeyondEighthXorIntoEarlierPositions) {
    const std::string data = "Main.zcc";
    // '1' ^ '9' = 0x08 and '2' ^ 'A' = 0x73.
    EXPECT_EQ(SealBytes(data, "123456789"), SealBytes(data, "\x08"
                                                            "2345678"));
    EXPECT_EQ(SealBytes(data, "12345678"
                              "9A"),
              SealBytes(data, "\x08\x73"
                              "345678"));
    EXPECT_NE(SealBytes(data, "123456789"), SealBytes(data, "12345678"));
}

TEST(SealBytesTest, KeyTextEndsAtFirstZeroByte) {
    const std::string data = "Check.zcc";
    EXPECT_EQ(SealBytes(data, std::string("ab\0cd", 5)), SealBytes(data, "ab"));
    EXPECT_NE(SealBytes(data, std::string("ab\0cd", 5)), SealBytes(data, "abcd"));
}

TEST(UnsealBytesTest, RefusesLengthsThatAreNotWholeBlocks) {
    const std::string sealed = SealBytes("twelve bytes", kHandKeyText);
    ASSERT_EQ(sealed.size(), 16u);
    ASSERT_EQ(UnsealBytes(sealed, kHandKeyText), "twelve bytes");
    for (std::size_t length : {1u, 4u, 7u, 9u, 12u, 15u}) {
        SCOPED_TRACE(length);
        EXPECT_EQ(UnsealBytes(sealed.substr(0, length), kHandKeyText), "");
    }
    EXPECT_EQ(UnsealBytes(sealed + "x", kHandKeyText), "");
}

TEST(UnsealBytesTest, ChecksLengthPrefixAgainstFormSize) {
    struct Case {
        std::uint32_t prefix;
        std::size_t formSize;
        bool valid;
    };
    const Case cases[] = {
        {0, 8, false},
        {0, 16, false},
        {0xFFFFFFFFu, 8, false}, // -1
        {0x80000000u, 8, false}, // most negative
        {0x7FFFFFFFu, 8, false},
        {5, 8, false}, // longer than the form
        {13, 16, false},
        {4, 16, false}, // leaves 8 padding bytes
        {12, 24, false},
        {1, 16, false},
        {1, 8, true},
        {4, 8, true},
        {5, 16, true},
        {12, 16, true},
        {13, 24, true},
        {20, 24, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("prefix " + std::to_string(c.prefix) + " size " + std::to_string(c.formSize));
        const std::string plain = CraftPlain(c.prefix, c.formSize);
        const std::string expected = c.valid ? plain.substr(4, c.prefix) : "";
        EXPECT_EQ(UnsealBytes(EncipherWithHandKey(plain), kHandKeyText), expected);
    }
}

TEST(UnsealBytesTest, DoesNotExaminePaddingBytes) {
    // Prefix 1 in an 8-byte form: bytes 5..7 are padding but hold letters.
    const std::string plain = CraftPlain(1, 8);
    ASSERT_NE(plain.substr(5), std::string(3, '\0'));
    EXPECT_EQ(UnsealBytes(EncipherWithHandKey(plain), kHandKeyText), plain.substr(4, 1));
}

TEST(UnsealBytesTest, WrongKeyDoesNotGiveTheDataBack) {
    const std::string data = "RM-marker script";
    const std::string sealed = SealBytes(data, "right password");
    EXPECT_EQ(UnsealBytes(sealed, "right password"), data);
    EXPECT_NE(UnsealBytes(sealed, "wrong password"), data);
    EXPECT_NE(UnsealBytes(sealed, ""), data);
}

} // namespace
} // namespace zc
