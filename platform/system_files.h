#pragma once
// The real file system behind the file operations interface.
#include "common/file_operations.h"

namespace zc {

FileOperations& SystemFiles();

} // namespace zc
