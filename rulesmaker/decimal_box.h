#pragma once
// Edit boxes that take a decimal number: only "-", "." and digits can be
// typed, and on losing the focus the text is rewritten in short form.
#include <windows.h>

#include <string>

namespace zc {

// True for the characters a decimal-number box lets through: digits, "-",
// "." and the control characters of editing keys (backspace, copy, paste).
bool IsDecimalBoxKey(wchar_t character);

// The text read as a single-precision number and written back with at most
// six significant digits ("%.6g"); zero gives the empty text.
std::string ShortDecimalText(const std::string& text);

// Gives an existing edit box the key filter and the rewrite on losing focus.
void MakeDecimalBox(HWND edit);

} // namespace zc
