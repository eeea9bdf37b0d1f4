#pragma once
// An INI file held in memory, read and written with the rules of the Windows
// profile functions: section and key names match regardless of ASCII letter
// case, the first matching section and key win, names and values are trimmed,
// a value in matching quotes is read without them, and a write replaces a value
// in place or appends the key (and the section) at the end. Bytes are GBK.
#include <string>
#include <unordered_map>
#include <vector>

namespace zc {

class IniDocument {
  public:
    static constexpr size_t kReadBufferSize = 10240;

    static IniDocument Parse(const std::string& bytes);
    std::string Serialize() const;

    // The value of section/key cut to fit the read buffer, or fallback when
    // the section or key is missing.
    std::string Get(const std::string& section, const std::string& key,
                    const std::string& fallback = "") const;
    void Set(const std::string& section, const std::string& key, const std::string& value);

  private:
    struct Entry {
        std::string name;
        std::string value;
        bool hasValue = false;
    };
    // Names are looked up by their case-folded form; the first of equal names wins.
    using NameIndex = std::unordered_map<std::string, size_t>;
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        NameIndex entryIndex;
    };

    void AddSection(const std::string& name);
    static void AddEntry(Section& section, Entry entry);
    Section* FindSection(const std::string& trimmedName);
    const Section* FindSection(const std::string& trimmedName) const;
    static const Entry* FindEntry(const Section& section, const std::string& trimmedName);

    std::vector<Section> sections_;
    NameIndex sectionIndex_;
};

// Removes leading bytes up to and including the blank, and trailing blanks,
// the way the profile functions clean a section or key name before use.
std::string TrimProfileName(const std::string& name);

// True when the two GBK texts are equal but for the letter case of ASCII
// letters; bytes inside double-byte characters are compared exactly.
bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b);

// The GBK text with its single-byte ASCII letters in lower case.
std::string FoldAsciiCase(const std::string& text);

} // namespace zc
