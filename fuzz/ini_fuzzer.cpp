// IniDocument on arbitrary bytes: writing a parsed document out and parsing
// it again changes no value and a second write gives the same bytes; a value
// set under plain names keeps the file in shape and reads back from it
// unchanged. (Names and values with line breaks or "=" reshape the file, as
// they do with the Windows profile functions.)
#include "common/ini_document.h"
#include "fuzz/fuzz_check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// A name that survives trimming and cannot be read as a header, a comment or
// a key/value split.
bool IsPlainName(const std::string& name) {
    if (name.empty()) {
        return false;
    }
    for (const char c : name) {
        if (static_cast<unsigned char>(c) <= ' ' || c == '[' || c == ']' || c == '=' || c == ';') {
            return false;
        }
    }
    return true;
}

// One line without trailing blanks, which a read would trim away.
bool IsOneTrimmedLine(const std::string& value) {
    static const std::string kBlanks(" \t\v\f\x1a");
    return value.find_first_of("\r\n") == std::string::npos &&
           (value.empty() || kBlanks.find(value.back()) == std::string::npos);
}

// A value that the read gives back as written: one line, no blanks or quotes
// at either end, no zero byte (reads end there), short enough for the read
// buffer.
bool IsPlainValue(const std::string& value) {
    if (value.size() >= zc::IniDocument::kReadBufferSize - 1 || !IsOneTrimmedLine(value) ||
        value.find('\0') != std::string::npos) {
        return false;
    }
    const auto isEdge = [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == '"' || c == '\''; };
    return value.empty() || (!isEdge(value.front()) && !isEdge(value.back()));
}

void CheckRoundTrip(const zc::IniDocument& doc, const std::string& section, const std::string& key) {
    const std::string written = doc.Serialize();
    const zc::IniDocument reread = zc::IniDocument::Parse(written);
    FUZZ_CHECK(reread.Serialize() == written);
    FUZZ_CHECK(reread.Get(section, key, "?") == doc.Get(section, key, "?"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string section = provider.ConsumeRandomLengthString(64);
    const std::string key = provider.ConsumeRandomLengthString(64);
    const std::string value = provider.ConsumeRandomLengthString(16384);
    zc::IniDocument doc = zc::IniDocument::Parse(provider.ConsumeRemainingBytesAsString());

    FUZZ_CHECK(doc.Get(section, key).size() < zc::IniDocument::kReadBufferSize);
    CheckRoundTrip(doc, section, key);

    doc.Set(section, key, value);
    if (IsPlainName(section) && IsPlainName(key) && IsOneTrimmedLine(value)) {
        const std::string written = doc.Serialize();
        const zc::IniDocument reread = zc::IniDocument::Parse(written);
        FUZZ_CHECK(reread.Serialize() == written);
        if (IsPlainValue(value)) {
            FUZZ_CHECK(reread.Get(section, key, "?") == value);
        }
    }
    return 0;
}
