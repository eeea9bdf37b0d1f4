// The text work around a web request on arbitrary bytes: the cookie merge,
// the response header reader and the request header builder. The input is
// split at its first zero byte into the old and the received cookies; the
// whole input is also read as a response header block.
#include "cleaner/net/http_headers.h"
#include "common/gbk_text.h"
#include "fuzz/fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ItemsOf(const std::string& cookies) {
    std::vector<std::string> items;
    for (std::string item : zc::SplitText(zc::ReplaceAllText(cookies, " ", ""), ";")) {
        if (!item.empty()) {
            items.push_back(item);
        }
    }
    return items;
}

// Joined items can be told apart again only when none ends in half a
// double-byte character, which would take the separator after it.
bool ItemsCanBeSplitAgain(const std::string& cookies) {
    const std::vector<std::string> items = ItemsOf(cookies);
    return std::none_of(items.begin(), items.end(),
                        [](const std::string& item) { return zc::EndsInCutCharacter(item); });
}

bool EndsWithDeleted(const std::string& item) {
    const std::string mark = "=deleted";
    return item.size() >= mark.size() && item.compare(item.size() - mark.size(), mark.size(), mark) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = std::min(input.find('\0'), input.size());
    const std::string oldCookies = input.substr(0, cut);
    const std::string newCookies = cut < input.size() ? input.substr(cut + 1) : "";
    if (newCookies.find('\0') == std::string::npos && ItemsCanBeSplitAgain(oldCookies) &&
        ItemsCanBeSplitAgain(newCookies)) {
        const std::vector<std::string> merged = ItemsOf(zc::MergeCookies(oldCookies, newCookies));
        const std::set<std::string> distinct(merged.begin(), merged.end());
        FUZZ_CHECK(distinct.size() == merged.size());
        for (const std::string& item : merged) {
            FUZZ_CHECK(!EndsWithDeleted(item));
        }
        for (const std::string& item : ItemsOf(newCookies)) {
            FUZZ_CHECK(EndsWithDeleted(item) || distinct.count(item) == 1);
        }
    }

    const zc::ResponseHeaderFacts facts = zc::ReadResponseHeaders(input);
    FUZZ_CHECK(facts.hasLocation || facts.location.empty());
    const std::string headers =
        zc::BuildRequestHeaders(oldCookies, static_cast<int>(size % 10) - 1, newCookies);
    FUZZ_CHECK(headers.empty() || headers.compare(headers.size() - 2, 2, "\r\n") == 0);
    return 0;
}
