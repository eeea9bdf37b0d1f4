#pragma once
// Fixed paths below the program directory.
namespace zc::paths {

inline constexpr const char* kBin = "\\Bin";
inline constexpr const char* kConfigList = "\\Bin\\Config\\Config.zcd";
inline constexpr const char* kProgramList = "\\Bin\\Config\\ConfigProgram.zcd";
inline constexpr const char* kSum = "\\Bin\\Config\\Sum.zcd";
inline constexpr const char* kRules = "\\Bin\\Config\\Rules.zcd";
inline constexpr const char* kListPositions = "\\Bin\\Config\\temp.zcd";
inline constexpr const char* kSecurity = "\\Bin\\Config\\Security.zcd";
inline constexpr const char* kRulesDir = "\\Rules\\";
inline constexpr const char* kTempDir = "\\Rules\\Temp";
inline constexpr const char* kVariableStore = "\\Rules\\Temp\\Vartemp.zct";

} // namespace zc::paths
