#include "common/des.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

namespace zc {
namespace {

using Block = std::array<std::uint8_t, 8>;

Block FromHex(const std::string& hex) {
    Block out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<std::uint8_t>(std::stoul(hex.substr(2 * i, 2), nullptr, 16));
    }
    return out;
}

Block Encrypt(const Block& key, const Block& in) {
    Block out{};
    DesKey(key).EncryptBlock(in.data(), out.data());
    return out;
}

Block Decrypt(const Block& key, const Block& in) {
    Block out{};
    DesKey(key).DecryptBlock(in.data(), out.data());
    return out;
}

Block Complement(Block b) {
    for (std::uint8_t& x : b) {
        x = static_cast<std::uint8_t>(~x);
    }
    return b;
}

// A simple deterministic byte source for property checks.
struct ByteStream {
    std::uint32_t state;
    std::uint8_t Next() {
        state = state * 1103515245u + 12345u;
        return static_cast<std::uint8_t>(state >> 16);
    }
    Block NextBlock() {
        Block b{};
        for (std::uint8_t& x : b) {
            x = Next();
        }
        return b;
    }
};

struct KnownAnswer {
    const char* key;
    const char* plain;
    const char* cipher;
};

// Published DES test vectors: the classic worked example, and entries of the
// NBS validation tables (initial permutation, inverse permutation, variable
// key, permutation operation and substitution table tests).
const KnownAnswer kKnownAnswers[] = {
    {"133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405"},
    {"0E329232EA6D0D73", "8787878787878787", "0000000000000000"},
    {"0101010101010101", "8000000000000000", "95F8A5E5DD31D900"},
    {"0101010101010101", "4000000000000000", "DD7F121CA5015619"},
    {"0101010101010101", "0000000000000001", "166B40B44ABA4BD6"},
    {"8001010101010101", "0000000000000000", "95A8D72813DAA94D"},
    {"4001010101010101", "0000000000000000", "0EEC1487DD8C26D5"},
    {"1046913489980131", "0000000000000000", "88D55E54F54C97B4"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "690F5B0D9A26939B"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "7A389D10354BD271"},
    {"07A1133E4A0B2686", "0248D43806F67172", "868EBB51CAB4599A"},
    {"3849674C2602319E", "51454B582DDF440A", "7178876E01F19B2A"},
    {"04B915BA43FEB5B6", "42FD443059577FA2", "AF37FB421F8C4095"},
};

TEST(DesKeyTest, MatchesPublishedVectorsBothWays) {
    for (const KnownAnswer& v : kKnownAnswers) {
        SCOPED_TRACE(std::string("key ") + v.key + " plain " + v.plain);
        const Block key = FromHex(v.key);
        EXPECT_EQ(Encrypt(key, FromHex(v.plain)), FromHex(v.cipher));
        EXPECT_EQ(Decrypt(key, FromHex(v.cipher)), FromHex(v.plain));
    }
}

TEST(DesKeyTest, WorksInPlace) {
    const DesKey key(FromHex("133457799BBCDFF1"));
    Block block = FromHex("0123456789ABCDEF");
    key.EncryptBlock(block.data(), block.data());
    EXPECT_EQ(block, FromHex("85E813540F0AB405"));
    key.DecryptBlock(block.data(), block.data());
    EXPECT_EQ(block, FromHex("0123456789ABCDEF"));
}

TEST(DesKeyTest, DecryptInvertsEncryptForManyKeys) {
    ByteStream bytes{7};
    for (int i = 0; i < 200; ++i) {
        const Block key = bytes.NextBlock();
        const Block plain = bytes.NextBlock();
        const Block cipher = Encrypt(key, plain);
        EXPECT_NE(cipher, plain);
        EXPECT_EQ(Decrypt(key, cipher), plain);
    }
}

TEST(DesKeyTest, IgnoresParityBits) {
    ByteStream bytes{11};
    for (int i = 0; i < 50; ++i) {
        const Block key = bytes.NextBlock();
        Block flipped = key;
        for (std::uint8_t& x : flipped) {
            x ^= 0x01;
        }
        const Block plain = bytes.NextBlock();
        EXPECT_EQ(Encrypt(key, plain), Encrypt(flipped, plain));
    }
}

TEST(DesKeyTest, SatisfiesComplementationProperty) {
    ByteStream bytes{13};
    for (int i = 0; i < 50; ++i) {
        const Block key = bytes.NextBlock();
        const Block plain = bytes.NextBlock();
        EXPECT_EQ(Encrypt(Complement(key), Complement(plain)), Complement(Encrypt(key, plain)));
    }
}

TEST(DesKeyTest, AcceptsWeakKeysWhereEncryptionIsItsOwnInverse) {
    const char* weakKeys[] = {"0101010101010101", "FEFEFEFEFEFEFEFE", "E0E0E0E0F1F1F1F1", "1F1F1F1F0E0E0E0E"};
    ByteStream bytes{17};
    for (const char* hex : weakKeys) {
        SCOPED_TRACE(hex);
        const Block key = FromHex(hex);
        const Block plain = bytes.NextBlock();
        const Block cipher = Encrypt(key, plain);
        EXPECT_NE(cipher, plain);
        EXPECT_EQ(Encrypt(key, cipher), plain);
    }
}

} // namespace
} // namespace zc
