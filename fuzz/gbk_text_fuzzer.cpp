// The GBK text operations on arbitrary bytes: a found position is always the
// start of a character and the first one where the needle matches, pieces
// put back together give the text, and every cut lies inside the text.
#include "common/gbk_text.h"
#include "fuzz/fuzz_check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// The character starts of the text, and its end.
std::vector<std::size_t> CharacterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    std::size_t pos = 0;
    while (pos < text.size()) {
        starts.push_back(pos);
        pos += zc::IsGbkLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
    }
    starts.push_back(text.size());
    return starts;
}

void CheckFind(const std::string& text, const std::string& needle) {
    const std::size_t found = zc::FindText(text, needle);
    std::size_t expected = std::string::npos;
    for (const std::size_t start : CharacterStarts(text)) {
        if (text.compare(start, needle.size(), needle) == 0 && start + needle.size() <= text.size()) {
            expected = start;
            break;
        }
    }
    FUZZ_CHECK(found == expected);
}

std::string Join(const std::vector<std::string>& pieces, const std::string& separator) {
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        joined += (i == 0 ? "" : separator) + pieces[i];
    }
    return joined;
}

void CheckSplit(const std::string& text, const std::string& separator, std::size_t maxPieces) {
    const std::vector<std::string> pieces = zc::SplitText(text, separator, maxPieces);
    if (maxPieces != 0) {
        FUZZ_CHECK(pieces.size() <= maxPieces);
    }
    const std::string joined = Join(pieces, separator);
    if (maxPieces == 0 && !separator.empty()) {
        // Only an empty last piece is dropped.
        FUZZ_CHECK(joined == text || joined + separator == text);
    } else {
        FUZZ_CHECK(text.compare(0, joined.size(), joined) == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string left = provider.ConsumeRandomLengthString(16);
    const std::string right = provider.ConsumeRandomLengthString(16);
    const std::size_t maxPieces = provider.ConsumeIntegralInRange<std::size_t>(0, 4);
    const std::string text = provider.ConsumeRemainingBytesAsString();

    const std::vector<std::size_t> starts = CharacterStarts(text);
    const std::size_t lastStart = starts.size() >= 2 ? starts[starts.size() - 2] : std::string::npos;
    FUZZ_CHECK(zc::EndsInCutCharacter(text) == (!text.empty() && lastStart + 1 == text.size() &&
                                                zc::IsGbkLeadByte(static_cast<unsigned char>(text.back()))));
    CheckFind(text, left);
    CheckSplit(text, left, maxPieces);
    const std::string between = zc::TextBetween(text, left, right);
    FUZZ_CHECK(between.empty() || text.find(between) != std::string::npos);
    const std::string replaced = zc::ReplaceAllText(text, left, right, maxPieces);
    if (left.empty() || left == right) {
        FUZZ_CHECK(replaced == text);
    }
    FUZZ_CHECK(zc::TextUpToZero(text).size() <= text.size());
    return 0;
}
