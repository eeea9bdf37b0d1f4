#pragma once
// The folder a package is unpacked into before it is judged.
#include <string>

namespace zc {

// Empties the folder (creating it when missing) and writes every member of the
// ZIP file into it, "/" in a name making subfolders. A damaged or hostile
// archive (see ReadZipArchive) leaves the folder empty.
void UnpackArchiveFile(const std::string& archivePath, const std::string& folder);

} // namespace zc
