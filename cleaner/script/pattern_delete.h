#pragma once
// RML's worker: deletes the files of a directory whose names match a
// wildcard mask, optionally in every subdirectory too.
#include "cleaner/util/user_interface.h"
#include "common/file_operations.h"

#include <string>

namespace zc {

inline constexpr const char* kWrongMaskMessage = "扩展名有错,请返回检查,格式请看参数说明";

// A mask must be a bare file-name pattern with a "."; any other mask deletes
// nothing and is reported in a self-closing message box. Subdirectories whose
// names begin with "." and directory links are never entered; directories
// themselves are never deleted. Returns count plus the number of files deleted.
int DeleteMatchingFiles(FileOperations& files, UserInterface& ui, const std::string& directory,
                        const std::string& mask, bool recurse, int count = 0);

} // namespace zc
