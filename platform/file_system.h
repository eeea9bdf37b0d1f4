#pragma once
// File and directory operations on GBK paths. Failures are quiet: a missing
// file reads as empty bytes, and the bool results say whether a change happened.
#include <string>
#include <vector>

namespace zc {

// The folder of the running executable, without a trailing backslash.
std::string ProgramDirectory();

std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
bool IsDirectory(const std::string& path);
bool CreateOneDirectory(const std::string& path);
bool RemoveEmptyDirectory(const std::string& path);
bool DeleteOneFile(const std::string& path);
bool CopyOneFile(const std::string& from, const std::string& to);

} // namespace zc
