#pragma once
// Conversions between program text (code page 936) and the encodings met on
// the network: UTF-16LE for WinHTTP, UTF-8 notices, and pages in a declared
// charset.
#include <string>

namespace zc {

// UTF-16LE bytes of the text including the terminating zero character; the
// empty text gives empty bytes.
std::string TextToUtf16(const std::string& text);

// UTF-16LE bytes converted to program text, up to the first zero character.
std::string Utf16ToText(const std::string& bytes);

// UTF-8 bytes converted to program text; characters that code page 936 lacks
// become its default character.
std::string Utf8ToText(const std::string& bytes);

// Bytes in the named charset (for example "utf-8", "big5", "iso-8859-1",
// any case) converted to program text. False, with text untouched, when the
// charset is unknown.
bool CharsetToText(const std::string& bytes, const std::string& charset, std::string& text);

} // namespace zc
