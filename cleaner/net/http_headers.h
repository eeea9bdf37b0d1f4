#pragma once
// The text work around one web request: the request header block sent, what
// is read back from the raw response header block, and the cookie merge.
#include <string>

namespace zc {

// The request header block: the caller's extra lines (separated by CR LF,
// without a final one) completed by the default lines that they do not
// already name, each line ending in CR LF.
std::string BuildRequestHeaders(const std::string& extraHeaders, int method, const std::string& cookies);

struct ResponseHeaderFacts {
    std::string status;     // "200 OK": the status line after its HTTP version
    std::string newCookies; // name=value of every Set-Cookie line, joined by "; "
    std::string location;   // value of the Location line
    bool hasLocation = false;
};

// Reads the status, the cookies and the redirect target out of a raw response
// header block (status line and header lines, each ending in CR LF).
ResponseHeaderFacts ReadResponseHeaders(const std::string& block);

// The part of an item before its first "=", trimmed of spaces.
std::string CookieName(const std::string& item);

// Merges received cookies into old ones, both "name=value" items separated by
// ";": received items win by name, old items of other names are kept, items
// whose value is "deleted" are dropped and repeated items appear once.
std::string MergeCookies(const std::string& oldCookies, const std::string& newCookies);

// Time-out of one request phase in milliseconds; 0 or less selects 30000.
int TimeoutMilliseconds(int timeoutSeconds);

} // namespace zc
