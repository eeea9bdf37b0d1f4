// A whole rule script run against an in-memory machine. Each line runs on its
// own (the machine and the variable store carry over, as in one run), so
// every removal is checked against the line that caused it:
// - RMF removes the one file whose path the expanded line names;
// - RMR removes the named directory, or the named link itself, or entries
//   below the named directory;
// - RML removes files below the named directory (directly in it without
//   recursion);
// - any other line removes nothing;
// and nothing below a named directory is reached through a directory link.
// Then the whole script runs at once on a fresh machine and must remove
// exactly the same, in the same order.
#include "cleaner/script/script_interpreter.h"
#include "cleaner/script/variables.h"
#include "common/gbk_text.h"
#include "fuzz/fuzz_check.h"
#include "tests/fakes/memory_script_host.h"
#include "tests/support/recording_ui.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using zc::testing::MemoryFiles;
using zc::testing::MemoryScriptHost;
using zc::testing::Removal;

void BuildMachine(MemoryScriptHost& host) {
    MemoryFiles& files = host.files;
    for (const char* file :
         {"C:\\data\\a.txt", "C:\\data\\b.log", "C:\\data\\My Files\\c.txt", "C:\\data\\sub\\d.log",
          "C:\\data\\sub\\deep\\e.tmp", "C:\\data\\.keep\\f.txt", "C:\\data\\\xD6\xD0\xCE\xC4\\g.log",
          "C:\\data\\\x95\x5C\\h.log", "C:\\outside\\keep.txt", "C:\\outside\\inner\\deep.log",
          "C:\\work\\w.log", "D:\\other\\z.txt"}) {
        files.AddFile(file);
    }
    files.AddFile("C:\\data\\ro.txt", true);
    files.AddDirectory("C:\\data\\empty");
    files.AddLink("C:\\data\\link", "C:\\outside");
    files.AddLink("C:\\data\\sub\\inner", "C:\\outside\\inner");
    host.SetRegistryText(zc::RegistryHive::CurrentUser, "Software\\Zc", "dir", "C:\\data");
    host.SetRegistryText(zc::RegistryHive::CurrentUser, "Software\\Zc", "", "C:\\data\\sub");
    host.SetRegistryText(zc::RegistryHive::LocalMachine, "Software\\Zc", "root", "C:\\");
    host.SetRegistryText(zc::RegistryHive::LocalMachine, "Software\\Zc", "out", "C:\\outside");
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Canonical paths: a drive root ends in "\", nothing else does.
bool IsBelow(const std::string& path, const std::string& directory) {
    const std::string prefix = directory.back() == '\\' ? directory : directory + "\\";
    return path.size() > prefix.size() && StartsWith(path, prefix);
}

std::string ParentOf(const std::string& path) {
    const std::string parent = path.substr(0, path.rfind('\\'));
    return parent.size() == 2 ? parent + "\\" : parent;
}

// Every link a removal went through must already lie on the way to the
// named directory itself.
bool CrossesOnlyLinksOf(const Removal& removal, const std::vector<std::string>& allowedLinks) {
    return std::all_of(
        removal.linksCrossed.begin(), removal.linksCrossed.end(), [&](const std::string& link) {
            return std::find(allowedLinks.begin(), allowedLinks.end(), link) != allowedLinks.end();
        });
}

// What a line may remove, worked out before it runs.
class LineLicence {
  public:
    LineLicence(MemoryFiles& files, const std::string& expandedLine) {
        if (StartsWith(expandedLine, "RMF ")) {
            kind_ = Kind::File;
            named_ = zc::DoubleHashToSpace(expandedLine).substr(4);
        } else if (StartsWith(expandedLine, "RMR ")) {
            kind_ = Kind::Tree;
            named_ = zc::DoubleHashToSpace(expandedLine).substr(4);
            named_.erase(0, std::min(named_.find_first_not_of(' '), named_.size()));
        } else if (StartsWith(expandedLine, "RML ")) {
            const std::vector<std::string> fields = zc::SplitText(expandedLine, " ", 4);
            if (fields.size() == 4) {
                kind_ = Kind::Matching;
                named_ = zc::DoubleHashToSpace(fields[1]);
                recursive_ = fields[3] == "True";
            }
        }
        // RMR removes a named link itself and never what it leads to.
        const bool mayEnter = kind_ == Kind::Matching || (kind_ == Kind::Tree && !files.IsLink(named_));
        // A bare drive ("C:") names its root: the directory joins the names with "\".
        const bool bareDrive = named_.size() == 2 && named_[1] == ':';
        const std::string directory = bareDrive ? named_ + "\\" : named_;
        if (const auto resolved = mayEnter ? files.ResolveDirectory(directory) : std::nullopt) {
            namedNode_ = resolved->canonical;
            namedLinks_ = resolved->linksCrossed;
        }
    }

    bool Allows(const Removal& removal) const {
        switch (kind_) {
        case Kind::File:
            return removal.kind == Removal::Kind::File && removal.requested == named_;
        case Kind::Tree:
            if (removal.requested == named_) {
                return removal.kind != Removal::Kind::File;
            }
            return IsInside(removal);
        case Kind::Matching:
            return removal.kind == Removal::Kind::File && IsInside(removal) &&
                   (recursive_ || ParentOf(removal.removed) == namedNode_);
        case Kind::Nothing:
            break;
        }
        return false;
    }

  private:
    enum class Kind { Nothing, File, Tree, Matching };

    bool IsInside(const Removal& removal) const {
        return !namedNode_.empty() && StartsWith(removal.requested, named_) &&
               IsBelow(removal.removed, namedNode_) && CrossesOnlyLinksOf(removal, namedLinks_);
    }

    Kind kind_ = Kind::Nothing;
    std::string named_;
    bool recursive_ = false;
    std::string namedNode_;
    std::vector<std::string> namedLinks_;
};

bool SameRemovals(const std::vector<Removal>& one, const std::vector<Removal>& other) {
    return std::equal(one.begin(), one.end(), other.begin(), other.end(),
                      [](const Removal& a, const Removal& b) {
                          return a.requested == b.requested && a.removed == b.removed && a.kind == b.kind &&
                                 a.linksCrossed == b.linksCrossed;
                      });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryScriptHost host;
    BuildMachine(host);
    zc::testing::RecordingUserInterface ui;
    const std::string script(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : zc::SplitText(script, "\r\n")) {
        const LineLicence licence(host.files, zc::ExpandVariables(host, line, "R"));
        const std::size_t before = host.files.Removals().size();
        zc::RunRuleScript(host, ui, "R", line);
        const std::vector<Removal>& removals = host.files.Removals();
        for (std::size_t i = before; i < removals.size(); ++i) {
            FUZZ_CHECK(licence.Allows(removals[i]));
        }
    }

    MemoryScriptHost wholeRun;
    BuildMachine(wholeRun);
    zc::RunRuleScript(wholeRun, ui, "R", script);
    FUZZ_CHECK(SameRemovals(wholeRun.files.Removals(), host.files.Removals()));
    return 0;
}
