#pragma once
// Builds small file trees for the deletion tests and tells which files remain.
#include "platform/file_system.h"
#include "platform/gbk.h"

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace zc::testing {

// Creates each file (parent folders first) with a few bytes of content;
// names ending in "\" are folders.
inline void MakeTree(const std::string& root, std::initializer_list<const char*> entries) {
    for (const std::string entry : entries) {
        for (size_t slash = entry.find('\\'); slash != std::string::npos;
             slash = entry.find('\\', slash + 1)) {
            CreateOneDirectory(root + "\\" + entry.substr(0, slash));
        }
        if (entry.back() != '\\') {
            WriteFileBytes(root + "\\" + entry, "data");
        }
    }
}

// The entries of the list that still exist.
inline std::vector<std::string> Existing(const std::string& root,
                                         std::initializer_list<const char*> entries) {
    std::vector<std::string> found;
    for (const char* entry : entries) {
        if (FileExists(root + "\\" + entry)) {
            found.push_back(entry);
        }
    }
    return found;
}

inline void SetReadOnly(const std::string& path, bool readOnly) {
    SetFileAttributesW(ToWide(path).c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

} // namespace zc::testing
