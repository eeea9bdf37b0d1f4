#include "common/gbk_text.h"

namespace zc {
namespace {

// GBK "#" followed by the two characters for "quote mark".
const char kQuoteMarker[] = "#\xd2\xfd\xba\xc5";

} // namespace

bool IsGbkLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

bool EndsInCutCharacter(const std::string& text) {
    std::size_t pos = 0;
    while (pos + 1 < text.size()) {
        pos += IsGbkLeadByte(static_cast<unsigned char>(text[pos])) ? 2 : 1;
    }
    return pos + 1 == text.size() && IsGbkLeadByte(static_cast<unsigned char>(text[pos]));
}

std::size_t FindText(const std::string& haystack, const std::string& needle, std::size_t startPos) {
    const std::size_t size = haystack.size();
    if (startPos > size) {
        return std::string::npos;
    }
    std::size_t pos = startPos;
    while (pos + needle.size() <= size) {
        if (haystack.compare(pos, needle.size(), needle) == 0) {
            return pos;
        }
        const bool doubleByte = IsGbkLeadByte(static_cast<unsigned char>(haystack[pos])) && pos + 1 < size;
        pos += doubleByte ? 2 : 1;
    }
    return std::string::npos;
}

std::vector<std::string> SplitText(const std::string& text, const std::string& separator,
                                   std::size_t maxPieces) {
    std::vector<std::string> pieces;
    if (text.empty()) {
        return pieces;
    }
    // An empty separator would match everywhere without advancing.
    if (separator.empty()) {
        pieces.push_back(text);
        return pieces;
    }
    std::size_t pos = 0;
    for (;;) {
        const std::size_t found = FindText(text, separator, pos);
        if (found == std::string::npos) {
            break;
        }
        pieces.push_back(text.substr(pos, found - pos));
        pos = found + separator.size();
        if (maxPieces != 0 && pieces.size() == maxPieces) {
            return pieces;
        }
    }
    if (pos < text.size()) {
        pieces.push_back(text.substr(pos));
    }
    return pieces;
}

std::string TextBetween(const std::string& text, const std::string& left, const std::string& right) {
    const std::string leftDelim = ReplaceAllText(left, kQuoteMarker, "\"");
    const std::string rightDelim = ReplaceAllText(right, kQuoteMarker, "\"");
    const std::size_t leftPos = FindText(text, leftDelim);
    if (leftPos == std::string::npos) {
        return std::string();
    }
    const std::size_t start = leftPos + leftDelim.size();
    const std::size_t end = FindText(text, rightDelim, start);
    if (end == std::string::npos) {
        return std::string();
    }
    return text.substr(start, end - start);
}

std::string ReplaceAllText(const std::string& text, const std::string& from, const std::string& to,
                           std::size_t maxCount) {
    if (from.empty()) {
        return text;
    }
    std::string result;
    std::size_t pos = 0;
    for (std::size_t count = 0; count < maxCount; ++count) {
        const std::size_t found = FindText(text, from, pos);
        if (found == std::string::npos) {
            break;
        }
        result.append(text, pos, found - pos);
        result += to;
        pos = found + from.size();
    }
    result.append(text, pos, std::string::npos);
    return result;
}

std::string TextUpToZero(const std::string& bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

} // namespace zc
