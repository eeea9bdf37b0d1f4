// Byte-string helpers for GBK text (code page 936).
//
// Positions are 0-based byte offsets; a failed search gives std::string::npos.
// Searches are byte-exact and case-sensitive and walk the text one character
// at a time: a lead byte followed by another byte is one double-byte
// character, so a match never starts on the second byte of such a character.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zc {

// True for 0x81..0xFE, the bytes that open a double-byte GBK character.
bool IsGbkLeadByte(unsigned char c);

// True when the text ends in the lead byte of a cut-off double-byte
// character: whatever byte is appended next (a "\" say) would become that
// character's second byte.
bool EndsInCutCharacter(const std::string& text);

// Position of the first occurrence of needle at or after startPos, or npos.
// startPos must be the start of a character (0, or the end of an earlier
// match). An empty needle is found at startPos when startPos <= size.
std::size_t FindText(const std::string& haystack, const std::string& needle, std::size_t startPos = 0);

// Cuts text at every occurrence of separator, scanning from the left.
// Empty pieces between separators and an empty first piece are kept; the
// piece after the last separator is added only if it is not empty; an empty
// text gives no pieces. With maxPieces N > 0, cutting stops once the N-th
// piece has been cut off and the rest of the text is dropped. An empty
// separator cuts nothing: a non-empty text comes back as one piece.
std::vector<std::string> SplitText(const std::string& text, const std::string& separator = ",",
                                   std::size_t maxPieces = 0);

// The bytes between the first occurrence of left and the first occurrence of
// right at or after the end of it; "" when either is missing. In both
// delimiters every "#\xd2\xfd\xba\xc5" (GBK "#" + "quote mark") stands for a
// double quote, which lets callers write a quote inside a delimiter.
std::string TextBetween(const std::string& text, const std::string& left, const std::string& right);

const std::size_t kNoReplaceLimit = static_cast<std::size_t>(-1);

// Replaces up to maxCount non-overlapping occurrences of from by to, left to
// right. An empty from replaces nothing.
std::string ReplaceAllText(const std::string& text, const std::string& from, const std::string& to,
                           std::size_t maxCount = kNoReplaceLimit);

// The bytes before the first zero byte (all bytes when there is none): how
// unsealed or file bytes are read back as text.
std::string TextUpToZero(const std::string& bytes);

} // namespace zc
