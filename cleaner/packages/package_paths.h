#pragma once
// Working paths of the package import below the program directory.
namespace zc::paths {

inline constexpr const char* kTempPackage = "\\Rules\\Temp\\temp.zcp";
inline constexpr const char* kTempArchive = "\\Rules\\Temp\\temp.zip";
inline constexpr const char* kUnpackFolder = "\\Rules\\Temp\\temp";
inline constexpr const char* kPackageCopies = "\\Rules\\Bukkit\\";

} // namespace zc::paths
