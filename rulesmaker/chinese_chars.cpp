#include "rulesmaker/chinese_chars.h"

namespace zc {

std::string ChineseCharsOf(const std::string& text) {
    std::string chinese;
    std::size_t i = 0;
    while (i + 1 < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const unsigned char trail = static_cast<unsigned char>(text[i + 1]);
        if (lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE) {
            chinese.append(text, i, 2);
            i += 2;
        } else if (lead > 0x7F && trail > 0x7F) {
            i += 2;
        } else {
            i += 1;
        }
    }
    return chinese;
}

} // namespace zc
