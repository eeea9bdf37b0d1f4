#pragma once
// A rule package: a ZIP archive of four member files, sealed under the
// package key. Member.zcc is an INI text with the one section "Basic".
#include "common/package_archive.h"

#include <string>
#include <vector>

namespace zc {

inline constexpr char kCheckMember[] = "Check.zcc";
inline constexpr char kEditMember[] = "Edit.zcc";
inline constexpr char kMainMember[] = "Main.zcc";
inline constexpr char kMemberMember[] = "Member.zcc";

// The whole content of Check.zcc in a sound package.
inline constexpr char kCheckMarker[] = "True";

// Section and keys of Member.zcc, in the order the rules maker writes them.
inline constexpr char kBasicSection[] = "Basic";
inline constexpr char kNameKey[] = "Name";
inline constexpr char kAuthorKey[] = "Author";
inline constexpr char kVersionKey[] = "Version";
inline constexpr char kProgramNameKey[] = "ProgramName";
inline constexpr char kProcessNameKey[] = "ProcessName";
inline constexpr char kTypeKey[] = "Type";
inline constexpr char kSpecVerKey[] = "SpecVer";
inline constexpr char kLockLoadKey[] = "LockLoad";
inline constexpr char kLockEditKey[] = "LockEdit";

// SealBytes(BuildZipArchive(members), kPackageKey): the bytes of a .zcp file.
std::string SealPackage(const std::vector<ArchiveMember>& members);

// The members of a package file's bytes; false (and no members) when the
// bytes do not unseal under the package key or the archive inside fails
// ReadZipArchive.
bool UnsealPackage(const std::string& packageBytes, std::vector<ArchiveMember>& members);

} // namespace zc
