#include "cleaner/net/http_headers.h"

#include "common/gbk_text.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace zc {
namespace {

constexpr int kMethodPost = 1;
constexpr int kDefaultTimeoutMs = 30000;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool ContainsIgnoringCase(const std::string& text, const std::string& part) {
    return FindText(Lower(text), Lower(part)) != std::string::npos;
}

std::string RemoveIgnoringCase(const std::string& text, const std::string& part) {
    const std::string lowerText = Lower(text);
    const std::string lowerPart = Lower(part);
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = FindText(lowerText, lowerPart); at != std::string::npos;
         at = FindText(lowerText, lowerPart, from)) {
        result += text.substr(from, at - from);
        from = at + part.size();
    }
    return result + text.substr(from);
}

std::string TrimSpaces(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string TextBefore(const std::string& text, const std::string& separator) {
    const std::size_t at = FindText(text, separator);
    return at == std::string::npos ? "" : text.substr(0, at);
}

std::string JoinItems(const std::vector<std::string>& items) {
    std::string joined;
    for (std::size_t i = 0; i < items.size(); ++i) {
        joined += (i == 0 ? "" : "; ") + items[i];
    }
    return joined;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The items without repeats, in their first order. Done on the items rather
// than on joined text: an item ending in a lone lead byte would swallow the
// separator after it.
std::vector<std::string> DistinctItems(const std::vector<std::string>& items) {
    std::vector<std::string> kept;
    for (const std::string& item : items) {
        if (std::find(kept.begin(), kept.end(), item) == kept.end()) {
            kept.push_back(item);
        }
    }
    return kept;
}

} // namespace

std::string BuildRequestHeaders(const std::string& extraHeaders, int method, const std::string& cookies) {
    std::string block = extraHeaders.empty() ? "" : extraHeaders + "\r\n";
    const auto addUnless = [&block](const char* name, const std::string& line) {
        if (!ContainsIgnoringCase(block, name)) {
            block += line;
        }
    };
    addUnless("User-Agent: ",
              "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n");
    addUnless("Accept: ", "Accept: text/html, application/xhtml+xml, */*\r\n");
    addUnless("Accept-Encoding: ", "Accept-Encoding: gbk, GB2312\r\n");
    addUnless("Accept-Language: ", "Accept-Language: zh-cn\r\n");
    if (method == kMethodPost) {
        if (FindText(block, "content-type:") != std::string::npos) {
            block = ReplaceAllText(block, "content-type", "Content-Type");
        }
        if (FindText(block, "Content-Type:") == std::string::npos) {
            block += "Content-Type: application/x-www-form-urlencoded\r\n";
        }
    }
    addUnless("Cache-Control: ", "Cache-Control: no-cache\r\n");
    if (!cookies.empty()) {
        addUnless("Cookie: ", "Cookie: " + cookies + "\r\n");
    }
    return block;
}

ResponseHeaderFacts ReadResponseHeaders(const std::string& block) {
    ResponseHeaderFacts facts;
    if (block.size() > 9) {
        const std::size_t end = FindText(block, "\r\n", 9);
        facts.status = block.substr(9, end == std::string::npos ? std::string::npos : end - 9);
    }
    for (const std::string& line : SplitText(block, "\r\n")) {
        if (TextBefore(line, ": ") == "Set-Cookie") {
            const std::string cookie = FindText(line, ";") != std::string::npos
                                           ? TextBetween(line, "Set-Cookie:", ";")
                                           : RemoveIgnoringCase(line, "Set-Cookie:");
            facts.newCookies += TrimSpaces(cookie) + "; ";
        }
        if (line.size() >= 10 && Lower(line.substr(0, 10)) == "location: ") {
            facts.location = line.substr(10);
            facts.hasLocation = true;
        }
    }
    facts.newCookies =
        facts.newCookies.size() < 2 ? "" : facts.newCookies.substr(0, facts.newCookies.size() - 2);
    return facts;
}

std::string CookieName(const std::string& item) {
    return TrimSpaces(item.substr(0, item.find('=')));
}

std::string MergeCookies(const std::string& oldCookies, const std::string& newCookies) {
    const std::vector<std::string> oldItems = SplitText(ReplaceAllText(oldCookies, " ", ""), ";");
    std::vector<std::string> items = SplitText(ReplaceAllText(newCookies, " ", ""), ";");
    std::vector<std::string> newNames;
    for (const std::string& item : items) {
        newNames.push_back(CookieName(item));
    }
    for (const std::string& item : oldItems) {
        if (std::find(newNames.begin(), newNames.end(), CookieName(item)) == newNames.end()) {
            items.push_back(item);
        }
    }
    std::vector<std::string> kept;
    for (const std::string& item : items) {
        if (!EndsWith(item, "=deleted")) {
            kept.push_back(item);
        }
    }
    return JoinItems(DistinctItems(kept));
}

int TimeoutMilliseconds(int timeoutSeconds) {
    return timeoutSeconds > 0 ? timeoutSeconds * 1000 : kDefaultTimeoutMs;
}

} // namespace zc
