#pragma once
// INI files read and written one value at a time, with the rules of the
// Windows profile functions but on GBK bytes, so Chinese sections, keys and
// values survive on a Windows of any ANSI code page.
#include <string>
#include <utility>
#include <vector>

namespace zc {

// A missing file, section or key gives fallback; an empty file, section or
// key name (after trimming) gives the empty text without reading the file.
std::string ReadIniValue(const std::string& path, const std::string& section, const std::string& key,
                         const std::string& fallback = "");
// Creates the file, the section and the key as needed.
void WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value);
// The same as writing the keys one after the other, with one write of the file.
void WriteIniValues(const std::string& path, const std::string& section,
                    const std::vector<std::pair<std::string, std::string>>& keysAndValues);

} // namespace zc
