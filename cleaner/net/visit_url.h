#pragma once
// One synchronous HTTP or HTTPS request over WinHTTP. The page comes back as
// program text (code page 936): a page whose meta tag declares another
// charset is converted from it. Failures leave a numbered message in
// `status` and give the empty text.
#include "cleaner/net/winhttp_api.h"

#include <optional>
#include <string>

namespace zc {

struct VisitParameters {
    // Verb: 0 GET, 1 POST, 2 HEAD, 3 PUT, 4 OPTIONS, 5 DELETE, 6 TRACE, 7 CONNECT; others GET.
    int method = 0;
    std::string postData;               // sent as stored, whatever the verb
    std::optional<std::string> cookies; // in and out; omitted turns cookie handling off
    std::string newCookies;             // out: the response's cookies, "a=1; b=2"
    std::string extraHeaders;           // request lines separated by CR LF, no final CR LF
    std::string responseHeaders;        // out: the raw response header block
    bool noRedirect = false;
    std::string user; // server credentials, used when both are given
    std::string password;
    std::string proxy;     // empty: a direct connection
    std::string proxyUser; // proxy credentials, used when both are given
    std::string proxyPassword;
    int timeoutSeconds = 0;   // each phase; 0 or less: 30 seconds
    std::string location;     // out: the Location response header
    std::string status;       // out: "200 OK", or a numbered error message
    std::string body;         // out: the response body as received
    bool mergeCookies = true; // merge received cookies into `cookies`
};

std::string VisitUrl(const std::string& url);
std::string VisitUrl(const std::string& url, VisitParameters& parameters);
// The same through a given WinHTTP binding; nullptr stands for a system
// without WinHTTP.
std::string VisitUrlThrough(const WinHttpApi* api, const std::string& url, VisitParameters& parameters);

} // namespace zc
