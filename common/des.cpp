#include "common/des.h"

namespace zc {
namespace {

// Permutation tables of FIPS 46-3. Entries are 1-based input bit numbers,
// bit 1 being the most significant bit of the input.
const std::uint8_t kInitialPerm[64] = {58, 50, 42, 34, 26, 18, 10, 2, 60, 52, 44, 36, 28, 20, 12, 4,
                                       62, 54, 46, 38, 30, 22, 14, 6, 64, 56, 48, 40, 32, 24, 16, 8,
                                       57, 49, 41, 33, 25, 17, 9,  1, 59, 51, 43, 35, 27, 19, 11, 3,
                                       61, 53, 45, 37, 29, 21, 13, 5, 63, 55, 47, 39, 31, 23, 15, 7};

const std::uint8_t kFinalPerm[64] = {40, 8, 48, 16, 56, 24, 64, 32, 39, 7, 47, 15, 55, 23, 63, 31,
                                     38, 6, 46, 14, 54, 22, 62, 30, 37, 5, 45, 13, 53, 21, 61, 29,
                                     36, 4, 44, 12, 52, 20, 60, 28, 35, 3, 43, 11, 51, 19, 59, 27,
                                     34, 2, 42, 10, 50, 18, 58, 26, 33, 1, 41, 9,  49, 17, 57, 25};

const std::uint8_t kPermP[32] = {16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23, 26, 5,  18, 31, 10,
                                 2,  8, 24, 14, 32, 27, 3,  9,  19, 13, 30, 6,  22, 11, 4,  25};

const std::uint8_t kPermutedChoice1[56] = {57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18,
                                           10, 2,  59, 51, 43, 35, 27, 19, 11, 3,  60, 52, 44, 36,
                                           63, 55, 47, 39, 31, 23, 15, 7,  62, 54, 46, 38, 30, 22,
                                           14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4};

const std::uint8_t kPermutedChoice2[48] = {14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10, 23, 19, 12, 4,
                                           26, 8,  16, 7,  27, 20, 13, 2,  41, 52, 31, 37, 47, 55, 30, 40,
                                           51, 45, 33, 48, 44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32};

const std::uint8_t kKeyShifts[16] = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};

// S-boxes, each as 4 rows of 16 columns.
const std::uint8_t kSBoxes[8][64] = {
    {14, 4,  13, 1, 2,  15, 11, 8, 3, 10, 6, 12, 5,  9,  0,  7,  0,  15, 7,  4,  14, 2,
     13, 1,  10, 6, 12, 11, 9,  5, 3, 8,  4, 1,  14, 8,  13, 6,  2,  11, 15, 12, 9,  7,
     3,  10, 5,  0, 15, 12, 8,  2, 4, 9,  1, 7,  5,  11, 3,  14, 10, 0,  6,  13},
    {15, 1,  8,  14, 6,  11, 3,  4, 9,  7,  2, 13, 12, 0,  5,  10, 3,  13, 4,  7, 15, 2,
     8,  14, 12, 0,  1,  10, 6,  9, 11, 5,  0, 14, 7,  11, 10, 4,  13, 1,  5,  8, 12, 6,
     9,  3,  2,  15, 13, 8,  10, 1, 3,  15, 4, 2,  11, 6,  7,  12, 0,  5,  14, 9},
    {10, 0,  9,  14, 6, 3,  15, 5,  1,  13, 12, 7, 11, 4,  2,  8,  13, 7, 0,  9, 3, 4,
     6,  10, 2,  8,  5, 14, 12, 11, 15, 1,  13, 6, 4,  9,  8,  15, 3,  0, 11, 1, 2, 12,
     5,  10, 14, 7,  1, 10, 13, 0,  6,  9,  8,  7, 4,  15, 14, 3,  11, 5, 2,  12},
    {7, 13, 14, 3, 0, 6,  9, 10, 1,  2, 8,  5, 11, 12, 4,  15, 13, 8,  11, 5, 6, 15,
     0, 3,  4,  7, 2, 12, 1, 10, 14, 9, 10, 6, 9,  0,  12, 11, 7,  13, 15, 1, 3, 14,
     5, 2,  8,  4, 3, 15, 0, 6,  10, 1, 13, 8, 9,  4,  5,  11, 12, 7,  2,  14},
    {2,  12, 4, 1,  7,  10, 11, 6, 8, 5,  3, 15, 13, 0,  14, 9,  14, 11, 2,  12, 4,  7,
     13, 1,  5, 0,  15, 10, 3,  9, 8, 6,  4, 2,  1,  11, 10, 13, 7,  8,  15, 9,  12, 5,
     6,  3,  0, 14, 11, 8,  12, 7, 1, 14, 2, 13, 6,  15, 0,  9,  10, 4,  5,  3},
    {12, 1,  10, 15, 9,  2,  6, 8,  0, 13, 3,  4,  14, 7,  5, 11, 10, 15, 4, 2, 7, 12,
     9,  5,  6,  1,  13, 14, 0, 11, 3, 8,  9,  14, 15, 5,  2, 8,  12, 3,  7, 0, 4, 10,
     1,  13, 11, 6,  4,  3,  2, 12, 9, 5,  15, 10, 11, 14, 1, 7,  6,  0,  8, 13},
    {4, 11, 2,  14, 15, 0,  8,  13, 3, 12, 9,  7, 5,  10, 6,  1,  13, 0,  11, 7,  4, 9,
     1, 10, 14, 3,  5,  12, 2,  15, 8, 6,  1,  4, 11, 13, 12, 3,  7,  14, 10, 15, 6, 8,
     0, 5,  9,  2,  6,  11, 13, 8,  1, 4,  10, 7, 9,  5,  0,  15, 14, 2,  3,  12},
    {13, 2, 8,  4, 6, 15, 11, 1,  10, 9,  3, 14, 5,  0,  12, 7,  1,  15, 13, 8, 10, 3,
     7,  4, 12, 5, 6, 11, 0,  14, 9,  2,  7, 11, 4,  1,  9,  12, 14, 2,  0,  6, 10, 13,
     15, 3, 5,  8, 2, 1,  14, 7,  4,  10, 8, 13, 15, 12, 9,  0,  3,  5,  6,  11}};

// Output bit j (1-based, most significant first) = input bit table[j-1].
std::uint64_t Permute(std::uint64_t in, int inBits, const std::uint8_t* table, int outBits) {
    std::uint64_t out = 0;
    for (int j = 0; j < outBits; ++j) {
        out = (out << 1) | ((in >> (inBits - table[j])) & 1u);
    }
    return out;
}

// Lookup tables derived once from the permutations above: the initial and
// final permutations byte by byte, and each S-box merged with P.
struct Tables {
    std::uint64_t initial[8][256];
    std::uint64_t final[8][256];
    std::uint32_t sp[8][64];

    Tables() {
        for (int b = 0; b < 8; ++b) {
            for (int v = 0; v < 256; ++v) {
                const std::uint64_t in = static_cast<std::uint64_t>(v) << (56 - 8 * b);
                initial[b][v] = Permute(in, 64, kInitialPerm, 64);
                final[b][v] = Permute(in, 64, kFinalPerm, 64);
            }
        }
        for (int i = 0; i < 8; ++i) {
            for (int v = 0; v < 64; ++v) {
                const int row = ((v >> 4) & 2) | (v & 1);
                const int col = (v >> 1) & 0xF;
                const std::uint64_t s = kSBoxes[i][row * 16 + col];
                sp[i][v] = static_cast<std::uint32_t>(Permute(s << (28 - 4 * i), 32, kPermP, 32));
            }
        }
    }
};

const Tables& GetTables() {
    static const Tables tables;
    return tables;
}

std::uint32_t RotateLeft32(std::uint32_t x, int n) {
    return (x << n) | (x >> (32 - n));
}

std::uint64_t PermuteBytes(const std::uint64_t (&table)[8][256], std::uint64_t x) {
    std::uint64_t out = 0;
    for (int b = 0; b < 8; ++b) {
        out |= table[b][(x >> (56 - 8 * b)) & 0xFF];
    }
    return out;
}

} // namespace

DesKey::DesKey(const std::array<std::uint8_t, 8>& key) {
    std::uint64_t k = 0;
    for (std::uint8_t byte : key) {
        k = (k << 8) | byte;
    }
    const std::uint64_t cd = Permute(k, 64, kPermutedChoice1, 56);
    std::uint32_t c = static_cast<std::uint32_t>(cd >> 28);
    std::uint32_t d = static_cast<std::uint32_t>(cd & 0xFFFFFFF);
    for (int round = 0; round < 16; ++round) {
        const int n = kKeyShifts[round];
        c = ((c << n) | (c >> (28 - n))) & 0xFFFFFFF;
        d = ((d << n) | (d >> (28 - n))) & 0xFFFFFFF;
        const std::uint64_t joined = (static_cast<std::uint64_t>(c) << 28) | d;
        const std::uint64_t sub = Permute(joined, 56, kPermutedChoice2, 48);
        for (int i = 0; i < 8; ++i) {
            roundKeys_[round][i] = static_cast<std::uint8_t>((sub >> (42 - 6 * i)) & 0x3F);
        }
    }
}

void DesKey::EncryptBlock(const std::uint8_t* in, std::uint8_t* out) const {
    CryptBlock(in, out, false);
}

void DesKey::DecryptBlock(const std::uint8_t* in, std::uint8_t* out) const {
    CryptBlock(in, out, true);
}

void DesKey::CryptBlock(const std::uint8_t* in, std::uint8_t* out, bool decrypt) const {
    const Tables& t = GetTables();
    std::uint64_t block = 0;
    for (int b = 0; b < 8; ++b) {
        block = (block << 8) | in[b];
    }
    block = PermuteBytes(t.initial, block);
    std::uint32_t left = static_cast<std::uint32_t>(block >> 32);
    std::uint32_t right = static_cast<std::uint32_t>(block);

    for (int round = 0; round < 16; ++round) {
        const std::array<std::uint8_t, 8>& k = roundKeys_[decrypt ? 15 - round : round];
        std::uint32_t f = 0;
        for (int i = 0; i < 8; ++i) {
            // The expansion E gives S-box i the input bits 4i..4i+5
            // (1-based, wrapping around the 32-bit half).
            const std::uint32_t group = RotateLeft32(right, (4 * i + 5) % 32) & 0x3F;
            f |= t.sp[i][group ^ k[i]];
        }
        const std::uint32_t next = left ^ f;
        left = right;
        right = next;
    }

    // The halves are swapped once more before the final permutation.
    block = (static_cast<std::uint64_t>(right) << 32) | left;
    block = PermuteBytes(t.final, block);
    for (int b = 7; b >= 0; --b) {
        out[b] = static_cast<std::uint8_t>(block & 0xFF);
        block >>= 8;
    }
}

} // namespace zc
