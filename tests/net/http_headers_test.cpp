// The request header block, the reading of response headers and the cookie merge.
#include "cleaner/net/http_headers.h"

#include <gtest/gtest.h>

namespace zc {
namespace {

const std::string kUserAgent =
    "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n";
const std::string kAccept = "Accept: text/html, application/xhtml+xml, */*\r\n";
const std::string kEncoding = "Accept-Encoding: gbk, GB2312\r\n";
const std::string kLanguage = "Accept-Language: zh-cn\r\n";
const std::string kCache = "Cache-Control: no-cache\r\n";
const std::string kForm = "Content-Type: application/x-www-form-urlencoded\r\n";

TEST(RequestHeadersTest, CompletesTheCallersLinesWithTheMissingDefaults) {
    struct Case {
        const char* extra;
        int method;
        const char* cookies;
        std::string expected;
    };
    const Case cases[] = {
        {"", 0, "", kUserAgent + kAccept + kEncoding + kLanguage + kCache},
        {"", 8, "", kUserAgent + kAccept + kEncoding + kLanguage + kCache},
        {"", 1, "", kUserAgent + kAccept + kEncoding + kLanguage + kForm + kCache},
        {"content-type: text/plain", 1, "",
         "Content-Type: text/plain\r\n" + kUserAgent + kAccept + kEncoding + kLanguage + kCache},
        {"content-type: text/plain", 0, "",
         "content-type: text/plain\r\n" + kUserAgent + kAccept + kEncoding + kLanguage + kCache},
        {"user-agent: ZcTest", 0, "", "user-agent: ZcTest\r\n" + kAccept + kEncoding + kLanguage + kCache},
        {"ACCEPT: */*\r\nX-Extra: 1", 0, "",
         "ACCEPT: */*\r\nX-Extra: 1\r\n" + kUserAgent + kEncoding + kLanguage + kCache},
        {"", 0, "a=1; b=2", kUserAgent + kAccept + kEncoding + kLanguage + kCache + "Cookie: a=1; b=2\r\n"},
        {"cookie: mine=1", 0, "a=1",
         "cookie: mine=1\r\n" + kUserAgent + kAccept + kEncoding + kLanguage + kCache},
        {"Cache-Control: max-age=0\r\nAccept-Language: en", 0, "",
         "Cache-Control: max-age=0\r\nAccept-Language: en\r\n" + kUserAgent + kAccept + kEncoding},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildRequestHeaders(c.extra, c.method, c.cookies), c.expected)
            << "extra=" << c.extra << " method=" << c.method;
    }
}

TEST(ResponseHeadersTest, ReadsStatusCookiesAndLocation) {
    const ResponseHeaderFacts facts = ReadResponseHeaders("HTTP/1.1 302 Found\r\n"
                                                          "Set-Cookie: a=1; path=/\r\n"
                                                          "Set-Cookie: b=2\r\n"
                                                          "set-cookie: ignored=1\r\n"
                                                          "LOCATION: /next?x=1\r\n"
                                                          "\r\n");
    EXPECT_EQ(facts.status, "302 Found");
    EXPECT_EQ(facts.newCookies, "a=1; b=2");
    EXPECT_TRUE(facts.hasLocation);
    EXPECT_EQ(facts.location, "/next?x=1");
}

TEST(ResponseHeadersTest, ABlockWithoutCookiesOrLocationGivesEmptyTexts) {
    const ResponseHeaderFacts facts = ReadResponseHeaders("HTTP/1.1 404 Not Found\r\nServer: x\r\n\r\n");
    EXPECT_EQ(facts.status, "404 Not Found");
    EXPECT_EQ(facts.newCookies, "");
    EXPECT_FALSE(facts.hasLocation);
}

TEST(CookieMergeTest, ReceivedCookiesWinAndDeletedOnesGo) {
    struct Case {
        const char* oldCookies;
        const char* newCookies;
        const char* expected;
    };
    const Case cases[] = {
        {"a=0; c=3", "a=1; b=deleted", "a=1; c=3"},
        {"", "a=1; b=2", "a=1; b=2"},
        {"a=1; b=2", "", "a=1; b=2"},
        {"", "", ""},
        {"x = 1", "y=2", "y=2; x=1"},
        {"a=1; a=1", "b=2; b=2", "b=2; a=1"},
        {"a=deleted", "", ""},
        {"flag", "flag=1", "flag=1"},
        {"flag", "other", "other; flag"},
        // A value ending in a lone lead byte must not merge with the next item.
        {"b=2; b=2", "a=\x97", "a=\x97; b=2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MergeCookies(c.oldCookies, c.newCookies), c.expected)
            << "old=" << c.oldCookies << " new=" << c.newCookies;
    }
}

TEST(CookieMergeTest, CookieNameIsThePartBeforeTheFirstEqualsSign) {
    EXPECT_EQ(CookieName(" a =1=2"), "a");
    EXPECT_EQ(CookieName("flag"), "flag");
    EXPECT_EQ(CookieName("=x"), "");
}

TEST(TimeoutTest, PositiveSecondsCountOtherwiseThirtySeconds) {
    const std::pair<int, int> cases[] = {{5, 5000}, {1, 1000}, {0, 30000}, {-3, 30000}};
    for (const auto& [seconds, milliseconds] : cases) {
        EXPECT_EQ(TimeoutMilliseconds(seconds), milliseconds) << seconds;
    }
}

} // namespace
} // namespace zc
