#pragma once
// Read-only access to registry text values.
#include <windows.h>

#include <string>

namespace zc {

// The text of a REG_SZ value, or of a REG_EXPAND_SZ value with its
// environment references expanded. A missing key or value, and a value of
// any other type, give "". An empty value name is the key's default value.
std::string ReadRegistryText(HKEY root, const std::string& keyPath, const std::string& valueName);

} // namespace zc
