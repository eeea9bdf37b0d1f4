#pragma once
// Names that Windows compares without regard to case: file names, registry
// key paths and value names, variable names. Only ASCII letters fold, and a
// double-byte GBK character is one unit whose second byte never folds.
#include <string>
#include <vector>

namespace zc::testing {

// The text cut into characters: a lead byte and the byte after it form one,
// every other byte (also a lead byte that ends the text) is one by itself.
std::vector<std::string> GbkCharacters(const std::string& text);

// The text with every single-byte ASCII letter in upper case.
std::string FoldCase(const std::string& text);

} // namespace zc::testing
