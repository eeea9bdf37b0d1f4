#pragma once
// An in-memory file system for tests and fuzzers that resolves and matches
// paths the way the Windows file functions do where deletion safety depends
// on it, and records every removal.
//
// Paths:
// - "\" and "/" both separate; runs of separators count as one; "." parts
//   drop; ".." goes up one level, never above the drive root. This happens on
//   the text before any link is followed, as Windows does.
// - A part followed by a separator loses one final "." ("a.\b" is "a\b"); the
//   last part, when no separator follows it, loses all final dots and spaces
//   ("a.txt. " is "a.txt"); a last part with wildcards loses only its final
//   spaces, so that "*." keeps its meaning.
// - "X:\..." names drive X (any letter); "\..." the root of the current
//   directory's drive; anything else is relative to the current directory
//   ("C:\work" until SetCurrentDirectory). Drive-relative "X:name", UNC and
//   "\\?\" forms are not supported: operations on them fail and listings are
//   empty.
// - Names compare without regard to case for ASCII letters only (Windows
//   also folds other letters, such as Greek or Cyrillic ones: not emulated).
//   A GBK double-byte character is one unit: its second byte never folds and
//   is never a separator, wildcard or forbidden character.
// - A path holding a control character or one of < > : " | (beyond the drive
//   colon), or "*" / "?" outside the last part of a listing pattern, fails.
//   So does a path with a lead byte that no valid second byte (0x40-0xFE but
//   0x7F) follows, such as one that ends the path or stands before a "*".
// - Every link in a part before the last is followed to its target and
//   recorded in linksCrossed; a link to a missing target leads nowhere; more
//   than 63 links on one path fail. The last part is never followed.
//
// Listings (FindFirstFileW): the last part may hold "*" (any run of
// characters, also none) and "?" (exactly one character, a double-byte
// character counting as one). A "*" followed by "." matches only up to the
// name's last dot, and a "." followed by a wildcard or ending the pattern also
// matches the end of a name: so "*" and "*.*" match every name and "*."
// matches the names without a dot. A directory other than a drive root lists
// "." and ".." (first) when the pattern matches them; the rest follow in
// case-insensitive name order. A pattern without wildcards yields the entry of
// that name. A pattern ending in a separator yields nothing.
//
// Not emulated: short 8.3 names (on Windows "*.htm" also finds "a.html"
// through its short name), the "?" that also matches nothing before a dot or
// the end, reserved device names (CON, NUL, ...), alternate data streams,
// attributes other than read-only, open handles and the current directory
// being in use.
#include "common/file_operations.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zc::testing {

// Where a path leads: the canonical path of the directory it reaches ("C:\"
// for a drive root) and the canonical paths of the links followed on the way.
struct Resolution {
    std::string canonical;
    std::vector<std::string> linksCrossed;
};

struct Removal {
    enum class Kind { File, Directory, Link };
    std::string requested;                 // the path text the caller passed
    std::string removed;                   // the canonical path of what went
    std::vector<std::string> linksCrossed; // canonical paths of the links followed to reach it
    Kind kind = Kind::File;
};

class MemoryFiles : public FileOperations {
  public:
    MemoryFiles();
    ~MemoryFiles() override;
    MemoryFiles(const MemoryFiles&) = delete;
    MemoryFiles& operator=(const MemoryFiles&) = delete;

    // Setting up. Missing parent directories are created; each returns false
    // when the path is unsupported, the entry exists already (a directory may
    // be added twice), or a file or a dangling link is in the way.
    bool AddDirectory(const std::string& path);
    bool AddFile(const std::string& path, bool readOnly = false);
    // A directory junction: lists as a directory and a link, and leads to
    // targetPath, which need not exist.
    bool AddLink(const std::string& path, const std::string& targetPath);
    // An absolute path; false for anything else.
    bool SetCurrentDirectory(const std::string& path);

    // The directory that a listing of path\* looks into: links in every part
    // followed, the last one too; nothing when no directory is there.
    std::optional<Resolution> ResolveDirectory(const std::string& path);
    // The canonical path of every entry ("C:\" for a drive root), sorted.
    std::vector<std::string> Paths() const;
    // Every successful removal, oldest first.
    const std::vector<Removal>& Removals() const { return removals_; }

    std::vector<DirectoryEntry> ListMatches(const std::string& pattern) override;
    bool AnythingMatches(const std::string& pattern) override;
    // The last part is a link (a separator after it allowed).
    bool IsLink(const std::string& path) override;
    // Removes a link only, never its target.
    bool RemoveLink(const std::string& path) override;
    // Removes a file that is not read-only; never a directory or a link, and
    // never through a path ending in a separator.
    bool DeleteOneFile(const std::string& path) override;
    // Removes an empty directory other than a drive root, or a link itself.
    bool RemoveEmptyDirectory(const std::string& path) override;

  private:
    struct Node;
    struct Located;

    Node* Drive(char letter, bool create);
    Node* Walk(char drive, const std::vector<std::string>& parts, std::size_t depth, bool create,
               std::string& canonical, std::vector<std::string>& links, int& hops);
    bool Locate(const std::string& path, Located& found);
    Node* AddEntry(const std::string& path, Removal::Kind kind);
    void Remove(const std::string& requested, Located& found);

    std::vector<std::unique_ptr<Node>> drives_;
    std::vector<Removal> removals_;
    std::string currentDirectory_ = "C:\\work";
};

} // namespace zc::testing
