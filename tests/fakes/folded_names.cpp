#include "tests/fakes/folded_names.h"

#include "common/gbk_text.h"

namespace zc::testing {

std::vector<std::string> GbkCharacters(const std::string& text) {
    std::vector<std::string> characters;
    for (size_t i = 0; i < text.size();) {
        const size_t length =
            IsGbkLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

std::string FoldCase(const std::string& text) {
    std::string folded;
    for (std::string character : GbkCharacters(text)) {
        if (character.size() == 1 && character[0] >= 'a' && character[0] <= 'z') {
            character[0] = static_cast<char>(character[0] - 'a' + 'A');
        }
        folded += character;
    }
    return folded;
}

} // namespace zc::testing
