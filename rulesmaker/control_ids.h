#pragma once
// Control identifiers of the maker's window, shared with the tests.

namespace zc::maker_ids {

inline constexpr int kTabs = 100;
inline constexpr int kName = 101;
inline constexpr int kAuthor = 102;
inline constexpr int kVersion = 103;
inline constexpr int kSpecVer = 104;
inline constexpr int kProgramName = 105;
inline constexpr int kProcessName = 106;
inline constexpr int kEncryptionId = 107;
inline constexpr int kObfuscationId = 108;
inline constexpr int kScript = 109;
inline constexpr int kExport = 110;
inline constexpr int kTutorial = 111;

} // namespace zc::maker_ids
