#include "cleaner/net/text_encoding.h"

#include "common/gbk_text.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace zc {
namespace {

constexpr UINT kGbkCodePage = 936;
constexpr UINT kUtf8CodePage = 65001;
constexpr DWORD kCompositeCheck = 0x200;

struct CharsetCodePage {
    const char* name;
    UINT codePage;
};

// Charset names as pages declare them, with the Windows code page of each.
constexpr CharsetCodePage kCharsets[] = {
    {"utf-8", 65001},       {"utf8", 65001},         {"gbk", 936},
    {"gb2312", 936},        {"gb18030", 54936},      {"big5", 950},
    {"shift_jis", 932},     {"sjis", 932},           {"euc-jp", 20932},
    {"euc-kr", 51949},      {"ks_c_5601-1987", 949}, {"iso-8859-1", 28591},
    {"iso-8859-2", 28592},  {"iso-8859-5", 28595},   {"iso-8859-15", 28605},
    {"us-ascii", 20127},    {"koi8-r", 20866},       {"koi8-u", 21866},
    {"windows-874", 874},   {"windows-1250", 1250},  {"windows-1251", 1251},
    {"windows-1252", 1252}, {"windows-1253", 1253},  {"windows-1254", 1254},
    {"windows-1255", 1255}, {"windows-1256", 1256},  {"windows-1257", 1257},
    {"windows-1258", 1258},
};

std::wstring Decode(UINT codePage, const std::string& bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(std::max(length, 0)), L'\0');
    if (length > 0) {
        MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    }
    return wide;
}

std::string EncodeGbk(const std::wstring& wide, DWORD flags) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(kGbkCodePage, flags, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(std::max(length, 0)), '\0');
    if (length > 0) {
        WideCharToMultiByte(kGbkCodePage, flags, wide.data(), size, text.data(), length, nullptr, nullptr);
    }
    return TextUpToZero(text);
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

std::string TextToUtf16(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    std::wstring wide = Decode(kGbkCodePage, text);
    wide.push_back(L'\0');
    std::string bytes(wide.size() * 2, '\0');
    std::memcpy(bytes.data(), wide.data(), bytes.size());
    return bytes;
}

std::string Utf16ToText(const std::string& bytes) {
    std::wstring wide(bytes.size() / 2, L'\0');
    std::memcpy(wide.data(), bytes.data(), wide.size() * 2);
    wide.resize(wcsnlen(wide.c_str(), wide.size()));
    return EncodeGbk(wide, kCompositeCheck);
}

std::string Utf8ToText(const std::string& bytes) {
    return EncodeGbk(Decode(kUtf8CodePage, bytes), 0);
}

bool CharsetToText(const std::string& bytes, const std::string& charset, std::string& text) {
    const std::string name = Lower(charset);
    for (const CharsetCodePage& entry : kCharsets) {
        if (name == entry.name) {
            text = EncodeGbk(Decode(entry.codePage, bytes), 0);
            return true;
        }
    }
    return false;
}

} // namespace zc
