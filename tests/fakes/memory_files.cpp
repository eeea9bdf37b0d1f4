#include "tests/fakes/memory_files.h"

#include "common/gbk_text.h"
#include "tests/fakes/folded_names.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace zc::testing {

using Kind = Removal::Kind;

struct MemoryFiles::Node {
    Kind kind = Kind::Directory;
    std::string name; // "C:" for a drive root
    bool readOnly = false;
    std::string target; // a link's canonical target path
    std::vector<std::unique_ptr<Node>> children;

    Node* Child(const std::string& wanted) const {
        const std::string folded = FoldCase(wanted);
        for (const auto& child : children) {
            if (FoldCase(child->name) == folded) {
                return child.get();
            }
        }
        return nullptr;
    }
};

struct MemoryFiles::Located {
    Node* parent = nullptr;
    Node* node = nullptr;
    std::string canonical;
    std::vector<std::string> links;
    bool endsInSeparator = false;
};

namespace {

constexpr int kMostLinksOnOnePath = 63;

struct ParsedPath {
    char drive = 0;
    std::vector<std::string> parts;
    bool endsInSeparator = false;
};

bool IsSeparator(const std::string& character) {
    return character == "\\" || character == "/";
}

bool IsWildcard(const std::string& character) {
    return character == "*" || character == "?";
}

bool IsForbidden(const std::string& character) {
    if (character.size() == 2) {
        const unsigned char trail = static_cast<unsigned char>(character[1]);
        return trail < 0x40 || trail == 0x7F || trail == 0xFF;
    }
    // A lead byte stands alone only where the text ends in a cut character.
    const unsigned char byte = static_cast<unsigned char>(character[0]);
    return byte < 0x20 || IsGbkLeadByte(byte) ||
           std::string("<>:\"|").find(character[0]) != std::string::npos;
}

bool IsDriveLetter(const std::string& character) {
    return character.size() == 1 && std::isalpha(static_cast<unsigned char>(character[0])) &&
           static_cast<unsigned char>(character[0]) < 0x80;
}

bool IsAbsolute(const std::vector<std::string>& characters) {
    return characters.size() >= 3 && IsDriveLetter(characters[0]) && characters[1] == ":" &&
           IsSeparator(characters[2]);
}

std::string Joined(const std::vector<std::string>& characters) {
    std::string text;
    for (const std::string& character : characters) {
        text += character;
    }
    return text;
}

std::string JoinPath(const std::string& parent, const std::string& name) {
    const bool parentIsDriveRoot = parent.size() == 3;
    return parentIsDriveRoot ? parent + name : parent + "\\" + name;
}

std::string CanonicalText(const ParsedPath& path) {
    std::string text = std::string(1, path.drive) + ":\\";
    for (const std::string& part : path.parts) {
        text = JoinPath(text, part);
    }
    return text;
}

// Applies one part of a path to parts; false when the part is not allowed.
bool AddPart(std::vector<std::string> part, bool separatorFollows, bool mayHoldWildcards,
             std::vector<std::string>& parts) {
    const bool hasWildcard = std::any_of(part.begin(), part.end(), IsWildcard);
    if (hasWildcard && (separatorFollows || !mayHoldWildcards)) {
        return false;
    }
    const std::string text = Joined(part);
    if (text.empty() || text == ".") {
        return true;
    }
    if (text == "..") {
        if (!parts.empty()) {
            parts.pop_back();
        }
        return true;
    }
    if (separatorFollows) {
        if (part.size() >= 2 && part.back() == "." && part[part.size() - 2] != ".") {
            part.pop_back();
        }
    } else {
        while (!part.empty() && (part.back() == " " || (part.back() == "." && !hasWildcard))) {
            part.pop_back();
        }
    }
    if (!part.empty()) {
        parts.push_back(Joined(part));
    }
    return true;
}

std::optional<ParsedPath> ParsePath(const std::string& text, const std::string& currentDirectory,
                                    bool lastMayHoldWildcards) {
    const std::vector<std::string> characters = GbkCharacters(text);
    if (characters.empty()) {
        return std::nullopt;
    }
    ParsedPath path;
    size_t at = 0;
    if (IsAbsolute(characters)) {
        path.drive = static_cast<char>(std::toupper(static_cast<unsigned char>(characters[0][0])));
        at = 2;
    } else if (characters.size() >= 2 && characters[1] == ":") {
        return std::nullopt; // drive-relative or malformed
    } else {
        const std::optional<ParsedPath> current = ParsePath(currentDirectory, "", false);
        if (!current ||
            (IsSeparator(characters[0]) && characters.size() >= 2 && IsSeparator(characters[1]))) {
            return std::nullopt; // UNC and device paths
        }
        path.drive = current->drive;
        if (!IsSeparator(characters[0])) {
            path.parts = current->parts;
        }
    }
    std::vector<std::string> part;
    for (; at < characters.size(); ++at) {
        if (IsSeparator(characters[at])) {
            if (!AddPart(part, true, lastMayHoldWildcards, path.parts)) {
                return std::nullopt;
            }
            part.clear();
        } else if (IsForbidden(characters[at])) {
            return std::nullopt;
        } else {
            part.push_back(characters[at]);
        }
    }
    if (!AddPart(part, false, lastMayHoldWildcards, path.parts)) {
        return std::nullopt;
    }
    path.endsInSeparator = IsSeparator(characters.back());
    return path;
}

// One unit of a listing pattern, as the directory search reads it.
struct PatternUnit {
    enum class Type { Character, AnyRun, RunBeforeLastDot, AnyCharacter, DotOrEnd } type;
    std::string character; // folded; for Type::Character
};

std::vector<PatternUnit> ReadPattern(const std::string& pattern) {
    using Type = PatternUnit::Type;
    const std::vector<std::string> characters = GbkCharacters(FoldCase(pattern));
    std::vector<PatternUnit> units;
    for (size_t i = 0; i < characters.size(); ++i) {
        const std::string next = i + 1 < characters.size() ? characters[i + 1] : "";
        if (characters[i] == "*") {
            units.push_back({next == "." ? Type::RunBeforeLastDot : Type::AnyRun, ""});
        } else if (characters[i] == "?") {
            units.push_back({Type::AnyCharacter, ""});
        } else if (characters[i] == "." && (next.empty() || IsWildcard(next))) {
            units.push_back({Type::DotOrEnd, ""});
        } else {
            units.push_back({Type::Character, characters[i]});
        }
    }
    return units;
}

bool NameMatches(const std::vector<PatternUnit>& pattern, const std::string& name) {
    using Type = PatternUnit::Type;
    const std::vector<std::string> characters = GbkCharacters(FoldCase(name));
    const size_t count = characters.size();
    const auto lastDot = std::find(characters.rbegin(), characters.rend(), ".");
    const size_t lastDotAt =
        lastDot == characters.rend() ? count : count - 1 - (lastDot - characters.rbegin());
    // reached[i]: the pattern units so far can match the first i characters.
    std::vector<bool> reached(count + 1, false);
    reached[0] = true;
    for (const PatternUnit& unit : pattern) {
        std::vector<bool> next(count + 1, false);
        for (size_t i = 0; i <= count; ++i) {
            if (!reached[i]) {
                continue;
            }
            switch (unit.type) {
            case Type::Character:
                next[i + 1] = next[i + 1] || (i < count && characters[i] == unit.character);
                break;
            case Type::AnyCharacter:
                next[i + 1] = next[i + 1] || i < count;
                break;
            case Type::AnyRun:
                std::fill(next.begin() + static_cast<long>(i), next.end(), true);
                break;
            case Type::RunBeforeLastDot:
                for (size_t end = i; end <= count; ++end) {
                    next[end] = true;
                    if (end == lastDotAt) {
                        break;
                    }
                }
                break;
            case Type::DotOrEnd:
                if (i == count) {
                    next[i] = true;
                } else if (characters[i] == ".") {
                    next[i + 1] = true;
                }
                break;
            }
        }
        reached = next;
    }
    return reached[count];
}

DirectoryEntry EntryOf(const std::string& name, Kind kind) {
    return {name, kind != Kind::File, kind == Kind::Link};
}

} // namespace

MemoryFiles::MemoryFiles() = default;
MemoryFiles::~MemoryFiles() = default;

MemoryFiles::Node* MemoryFiles::Drive(char letter, bool create) {
    const std::string name = std::string(1, letter) + ":";
    for (const auto& drive : drives_) {
        if (drive->name == name) {
            return drive.get();
        }
    }
    if (!create) {
        return nullptr;
    }
    drives_.push_back(std::make_unique<Node>());
    drives_.back()->name = name;
    return drives_.back().get();
}

MemoryFiles::Node* MemoryFiles::Walk(char drive, const std::vector<std::string>& parts, size_t depth,
                                     bool create, std::string& canonical, std::vector<std::string>& links,
                                     int& hops) {
    Node* directory = Drive(drive, create);
    canonical = std::string(1, drive) + ":\\";
    for (size_t i = 0; directory && i < depth; ++i) {
        Node* child = directory->Child(parts[i]);
        if (!child && create) {
            directory->children.push_back(std::make_unique<Node>());
            child = directory->children.back().get();
            child->name = parts[i];
        }
        if (!child || child->kind == Kind::File) {
            return nullptr;
        }
        if (child->kind == Kind::Link) {
            if (++hops > kMostLinksOnOnePath) {
                return nullptr;
            }
            links.push_back(JoinPath(canonical, child->name));
            const std::optional<ParsedPath> target = ParsePath(child->target, "", false);
            child = Walk(target->drive, target->parts, target->parts.size(), false, canonical, links, hops);
        } else {
            canonical = JoinPath(canonical, child->name);
        }
        directory = child;
    }
    return directory;
}

bool MemoryFiles::Locate(const std::string& path, Located& found) {
    const std::optional<ParsedPath> parsed = ParsePath(path, currentDirectory_, false);
    if (!parsed || parsed->parts.empty()) {
        return false;
    }
    int hops = 0;
    std::string parentPath;
    found.parent =
        Walk(parsed->drive, parsed->parts, parsed->parts.size() - 1, false, parentPath, found.links, hops);
    found.node = found.parent ? found.parent->Child(parsed->parts.back()) : nullptr;
    if (!found.node) {
        return false;
    }
    found.canonical = JoinPath(parentPath, found.node->name);
    found.endsInSeparator = parsed->endsInSeparator;
    return true;
}

std::optional<Resolution> MemoryFiles::ResolveDirectory(const std::string& path) {
    const std::optional<ParsedPath> parsed = ParsePath(path, currentDirectory_, false);
    if (!parsed) {
        return std::nullopt;
    }
    Resolution resolution;
    int hops = 0;
    if (!Walk(parsed->drive, parsed->parts, parsed->parts.size(), false, resolution.canonical,
              resolution.linksCrossed, hops)) {
        return std::nullopt;
    }
    return resolution;
}

MemoryFiles::Node* MemoryFiles::AddEntry(const std::string& path, Kind kind) {
    const std::optional<ParsedPath> parsed = ParsePath(path, currentDirectory_, false);
    if (!parsed || (parsed->endsInSeparator && kind != Kind::Directory)) {
        return nullptr;
    }
    if (parsed->parts.empty()) {
        return kind == Kind::Directory ? Drive(parsed->drive, true) : nullptr;
    }
    std::string canonical;
    std::vector<std::string> links;
    int hops = 0;
    Node* parent = Walk(parsed->drive, parsed->parts, parsed->parts.size() - 1, true, canonical, links, hops);
    if (!parent) {
        return nullptr;
    }
    if (Node* existing = parent->Child(parsed->parts.back())) {
        return kind == Kind::Directory && existing->kind == Kind::Directory ? existing : nullptr;
    }
    parent->children.push_back(std::make_unique<Node>());
    Node* node = parent->children.back().get();
    node->kind = kind;
    node->name = parsed->parts.back();
    return node;
}

bool MemoryFiles::AddDirectory(const std::string& path) {
    return AddEntry(path, Kind::Directory) != nullptr;
}

bool MemoryFiles::AddFile(const std::string& path, bool readOnly) {
    Node* file = AddEntry(path, Kind::File);
    if (file) {
        file->readOnly = readOnly;
    }
    return file != nullptr;
}

bool MemoryFiles::AddLink(const std::string& path, const std::string& targetPath) {
    const std::optional<ParsedPath> target = ParsePath(targetPath, currentDirectory_, false);
    if (!target) {
        return false;
    }
    Node* link = AddEntry(path, Kind::Link);
    if (link) {
        link->target = CanonicalText(*target);
    }
    return link != nullptr;
}

bool MemoryFiles::SetCurrentDirectory(const std::string& path) {
    const std::optional<ParsedPath> parsed = ParsePath(path, currentDirectory_, false);
    if (!parsed || !IsAbsolute(GbkCharacters(path))) {
        return false;
    }
    currentDirectory_ = CanonicalText(*parsed);
    return true;
}

std::vector<std::string> MemoryFiles::Paths() const {
    std::vector<std::string> paths;
    std::vector<std::pair<const Node*, std::string>> pending;
    for (const auto& drive : drives_) {
        pending.emplace_back(drive.get(), drive->name + "\\");
    }
    while (!pending.empty()) {
        const auto [node, path] = pending.back();
        pending.pop_back();
        paths.push_back(path);
        for (const auto& child : node->children) {
            pending.emplace_back(child.get(), JoinPath(path, child->name));
        }
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::vector<DirectoryEntry> MemoryFiles::ListMatches(const std::string& pattern) {
    const std::optional<ParsedPath> parsed = ParsePath(pattern, currentDirectory_, true);
    if (!parsed || parsed->endsInSeparator || parsed->parts.empty()) {
        return {};
    }
    std::string directoryPath;
    std::vector<std::string> links;
    int hops = 0;
    const Node* directory =
        Walk(parsed->drive, parsed->parts, parsed->parts.size() - 1, false, directoryPath, links, hops);
    if (!directory) {
        return {};
    }
    const std::string& last = parsed->parts.back();
    const std::vector<std::string> lastCharacters = GbkCharacters(last);
    if (std::none_of(lastCharacters.begin(), lastCharacters.end(), IsWildcard)) {
        const Node* node = directory->Child(last);
        return node ? std::vector<DirectoryEntry>{EntryOf(node->name, node->kind)}
                    : std::vector<DirectoryEntry>{};
    }
    const std::vector<PatternUnit> units = ReadPattern(last);
    std::vector<DirectoryEntry> entries;
    const bool isDriveRoot = directoryPath.size() == 3;
    for (const char* self : {".", ".."}) {
        if (!isDriveRoot && NameMatches(units, self)) {
            entries.push_back(EntryOf(self, Kind::Directory));
        }
    }
    std::vector<const Node*> children;
    for (const auto& child : directory->children) {
        if (NameMatches(units, child->name)) {
            children.push_back(child.get());
        }
    }
    std::sort(children.begin(), children.end(),
              [](const Node* a, const Node* b) { return FoldCase(a->name) < FoldCase(b->name); });
    for (const Node* child : children) {
        entries.push_back(EntryOf(child->name, child->kind));
    }
    return entries;
}

bool MemoryFiles::AnythingMatches(const std::string& pattern) {
    return !ListMatches(pattern).empty();
}

bool MemoryFiles::IsLink(const std::string& path) {
    Located found;
    return Locate(path, found) && found.node->kind == Kind::Link;
}

bool MemoryFiles::RemoveLink(const std::string& path) {
    Located found;
    if (!Locate(path, found) || found.node->kind != Kind::Link) {
        return false;
    }
    Remove(path, found);
    return true;
}

bool MemoryFiles::DeleteOneFile(const std::string& path) {
    Located found;
    if (!Locate(path, found) || found.endsInSeparator || found.node->kind != Kind::File ||
        found.node->readOnly) {
        return false;
    }
    Remove(path, found);
    return true;
}

bool MemoryFiles::RemoveEmptyDirectory(const std::string& path) {
    Located found;
    if (!Locate(path, found) || found.node->kind == Kind::File ||
        (found.node->kind == Kind::Directory && !found.node->children.empty())) {
        return false;
    }
    Remove(path, found);
    return true;
}

void MemoryFiles::Remove(const std::string& requested, Located& found) {
    removals_.push_back({requested, found.canonical, found.links, found.node->kind});
    auto& siblings = found.parent->children;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(), [&](const std::unique_ptr<Node>& child) {
        return child.get() == found.node;
    }));
}

} // namespace zc::testing
