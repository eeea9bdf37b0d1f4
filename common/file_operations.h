#pragma once
// The file operations that deletions of the cleaner go through. The Windows
// build passes the real file system; tests and fuzzers pass an in-memory one.
// Paths are GBK text with "\" separators, as Windows takes them.
#include <string>
#include <vector>

namespace zc {

struct DirectoryEntry {
    std::string name; // bare name, no path
    bool isDirectory = false;
    // A junction, symbolic link or mount point: its content belongs elsewhere.
    bool isLink = false;
};

class FileOperations {
  public:
    virtual ~FileOperations() = default;

    // Every entry that the search pattern (a path whose last part may hold
    // "*" and "?") yields, in the order of the search; "." and ".." included.
    virtual std::vector<DirectoryEntry> ListMatches(const std::string& pattern) = 0;
    // True when the pattern yields at least one entry.
    virtual bool AnythingMatches(const std::string& pattern) = 0;
    // True when the path itself is a junction, symbolic link or mount point.
    virtual bool IsLink(const std::string& path) = 0;
    // Removes a junction, symbolic link or mount point itself, never what it
    // leads to; true when it is gone.
    virtual bool RemoveLink(const std::string& path) = 0;
    // True when the file was deleted.
    virtual bool DeleteOneFile(const std::string& path) = 0;
    // True when the directory was empty and is gone.
    virtual bool RemoveEmptyDirectory(const std::string& path) = 0;
};

} // namespace zc
