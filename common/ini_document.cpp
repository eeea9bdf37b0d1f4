#include "common/ini_document.h"

#include "common/gbk_text.h"

#include <utility>

namespace zc {
namespace {

bool IsProfileSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string TrimSpaces(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsProfileSpace(text[begin])) {
        ++begin;
    }
    while (end > begin && IsProfileSpace(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string StripMatchingQuotes(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Cuts the text to what fits the read buffer with its terminator, never
// leaving half of a double-byte character behind.
std::string CutToReadBuffer(const std::string& value) {
    const size_t limit = IniDocument::kReadBufferSize - 1;
    if (value.size() <= limit) {
        return value;
    }
    size_t end = 0;
    while (end < limit) {
        const size_t width =
            (IsGbkLeadByte(static_cast<unsigned char>(value[end])) && end + 1 < value.size()) ? 2 : 1;
        if (end + width > limit) {
            break;
        }
        end += width;
    }
    return value.substr(0, end);
}

} // namespace

std::string TrimProfileName(const std::string& name) {
    size_t begin = 0;
    while (begin < name.size() && static_cast<unsigned char>(name[begin]) <= ' ') {
        ++begin;
    }
    return TrimSpaces(name.substr(begin));
}

std::string FoldAsciiCase(const std::string& text) {
    std::string folded = text;
    for (size_t i = 0; i < folded.size(); ++i) {
        if (IsGbkLeadByte(static_cast<unsigned char>(folded[i])) && i + 1 < folded.size()) {
            ++i; // the second byte of a double-byte character is no letter
        } else {
            folded[i] = FoldAscii(folded[i]);
        }
    }
    return folded;
}

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && FoldAsciiCase(a) == FoldAsciiCase(b);
}

void IniDocument::AddSection(const std::string& name) {
    sectionIndex_.emplace(FoldAsciiCase(name), sections_.size());
    sections_.push_back(Section{name, {}, {}});
}

void IniDocument::AddEntry(Section& section, Entry entry) {
    section.entryIndex.emplace(FoldAsciiCase(entry.name), section.entries.size());
    section.entries.push_back(std::move(entry));
}

IniDocument IniDocument::Parse(const std::string& bytes) {
    IniDocument doc;
    doc.AddSection(""); // lines before the first header
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t lineEnd = bytes.find('\n', pos);
        if (lineEnd == std::string::npos) {
            lineEnd = bytes.size();
        }
        std::string line = bytes.substr(pos, lineEnd - pos);
        pos = lineEnd + 1;

        size_t start = 0;
        while (start < line.size() && IsProfileSpace(line[start])) {
            ++start;
        }
        line.erase(0, start);
        if (line.empty()) {
            continue;
        }
        if (line[0] == '[') {
            const size_t close = line.rfind(']');
            if (close != std::string::npos) {
                doc.AddSection(line.substr(1, close - 1));
                continue;
            }
        }
        line = TrimSpaces(line);
        Entry entry;
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            entry.name = line;
        } else {
            entry.name = TrimSpaces(line.substr(0, equals));
            entry.value = TrimSpaces(line.substr(equals + 1));
            entry.hasValue = true;
        }
        AddEntry(doc.sections_.back(), std::move(entry));
    }
    return doc;
}

std::string IniDocument::Serialize() const {
    std::string out;
    for (const Section& section : sections_) {
        // Only the lines before the first header have no header of their own; a
        // header "[]" stays, or its keys would join the section above it.
        if (&section != &sections_.front()) {
            out += "[" + section.name + "]\r\n";
        }
        for (const Entry& entry : section.entries) {
            out += entry.name;
            if (entry.hasValue) {
                out += "=" + entry.value;
            }
            out += "\r\n";
        }
    }
    return out;
}

IniDocument::Section* IniDocument::FindSection(const std::string& trimmedName) {
    const auto found = sectionIndex_.find(FoldAsciiCase(trimmedName));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

const IniDocument::Entry* IniDocument::FindEntry(const Section& section, const std::string& trimmedName) {
    const auto found = section.entryIndex.find(FoldAsciiCase(trimmedName));
    return found == section.entryIndex.end() ? nullptr : &section.entries[found->second];
}

const IniDocument::Section* IniDocument::FindSection(const std::string& trimmedName) const {
    return const_cast<IniDocument*>(this)->FindSection(trimmedName);
}

std::string IniDocument::Get(const std::string& section, const std::string& key,
                             const std::string& fallback) const {
    const std::string sectionName = TrimProfileName(section);
    const std::string keyName = TrimProfileName(key);
    if (sectionName.empty() || keyName.empty()) {
        return "";
    }
    std::string result = TrimSpaces(fallback);
    if (const Section* section = FindSection(sectionName)) {
        const Entry* entry = FindEntry(*section, keyName);
        if (entry != nullptr && entry->hasValue) {
            result = entry->value;
        }
    }
    // Readers get the value as a C string, which ends at a zero byte.
    return CutToReadBuffer(StripMatchingQuotes(TextUpToZero(result)));
}

void IniDocument::Set(const std::string& section, const std::string& key, const std::string& value) {
    const std::string sectionName = TrimProfileName(section);
    const std::string keyName = TrimProfileName(key);
    if (sectionName.empty() || keyName.empty()) {
        return;
    }
    Section* target = FindSection(sectionName);
    if (target == nullptr) {
        AddSection(sectionName);
        target = &sections_.back();
    }
    size_t start = 0;
    while (start < value.size() && IsProfileSpace(value[start])) {
        ++start;
    }
    const auto found = target->entryIndex.find(FoldAsciiCase(keyName));
    if (found != target->entryIndex.end()) {
        Entry& entry = target->entries[found->second];
        entry.value = value.substr(start);
        entry.hasValue = true;
        return;
    }
    AddEntry(*target, Entry{keyName, value.substr(start), true});
}

} // namespace zc
