// Web requests against the loopback test server, which echoes every request
// back as its body (request line, header lines in arrival order, blank line,
// body) and answers fixed paths with redirects, cookies, error pages and
// pages in other charsets.
#include "cleaner/net/visit_url.h"

#include "common/gbk_text.h"
#include "platform/file_system.h"
#include "tests/support/window_driver.h"

#include <gtest/gtest.h>
#include <wincrypt.h>

#include <string>
#include <vector>

namespace zc {
namespace {

const std::string kPort = std::to_string(ZC_TEST_HTTP_PORT);
const std::string kServer = "http://127.0.0.1:" + kPort;

struct Echo {
    std::string requestLine;
    std::vector<std::string> headers; // without the lines WinHTTP adds itself
    std::string body;
};

Echo ParseEcho(const std::string& echo) {
    Echo parsed;
    const std::size_t end = echo.find("\r\n\r\n");
    if (end == std::string::npos) {
        return parsed;
    }
    parsed.body = echo.substr(end + 4);
    const std::vector<std::string> lines = SplitText(echo.substr(0, end), "\r\n");
    parsed.requestLine = lines.empty() ? "" : lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.rfind("Host: ", 0) != 0 && line.rfind("Connection: ", 0) != 0 &&
            line.rfind("Content-Length: ", 0) != 0) {
            parsed.headers.push_back(line);
        }
    }
    return parsed;
}

// The request as the server saw it.
Echo Send(const std::string& url, VisitParameters& parameters) {
    VisitUrl(url, parameters);
    return ParseEcho(parameters.body);
}

// The latest request for the target (path without query) as the server saw
// it, for answers without a body. Each test asks for targets of its own.
Echo LastRequest(const std::string& target) {
    VisitParameters parameters;
    VisitUrl(kServer + "/last?path=" + target, parameters);
    return ParseEcho(parameters.body);
}

bool HasLine(const Echo& echo, const std::string& line) {
    for (const std::string& header : echo.headers) {
        if (header == line) {
            return true;
        }
    }
    return false;
}

const std::vector<std::string> kDefaultHeaders = {
    "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)",
    "Accept: text/html, application/xhtml+xml, */*",
    "Accept-Encoding: gbk, GB2312",
    "Accept-Language: zh-cn",
    "Cache-Control: no-cache",
};

TEST(VisitUrlTest, RequestsTheObjectNameOfTheUrl) {
    const std::pair<std::string, std::string> cases[] = {
        {kServer, "GET / HTTP/1.1"},
        {kServer + "/", "GET / HTTP/1.1"},
        {kServer + "/a/b.txt?x=1", "GET /a/b.txt?x=1 HTTP/1.1"},
    };
    for (const auto& [url, requestLine] : cases) {
        VisitParameters parameters;
        EXPECT_EQ(Send(url, parameters).requestLine, requestLine) << url;
        EXPECT_EQ(parameters.status, "200 OK");
    }
}

TEST(VisitUrlTest, ChoosesTheVerbByNumberAndGetForOthers) {
    const std::pair<int, std::string> cases[] = {{0, "GET"},   {1, "POST"},    {2, "HEAD"},
                                                 {3, "PUT"},   {4, "OPTIONS"}, {5, "DELETE"},
                                                 {6, "TRACE"}, {8, "GET"},     {-1, "GET"}};
    for (const auto& [method, verb] : cases) {
        VisitParameters parameters;
        parameters.method = method;
        VisitUrl(kServer + "/verb", parameters);
        EXPECT_EQ(LastRequest("/verb").requestLine, verb + " /verb HTTP/1.1") << method;
    }
}

TEST(VisitUrlTest, DefaultsSendExactlyTheFiveDefaultHeaderLinesInOrder) {
    VisitParameters parameters;
    const Echo echo = Send(kServer + "/defaults", parameters);
    EXPECT_EQ(echo.headers, kDefaultHeaders);
    EXPECT_EQ(echo.body, "");
}

TEST(VisitUrlTest, PostSendsTheBodyWithAContentType) {
    struct Case {
        const char* extraHeaders;
        const char* expectedType;
    };
    const Case cases[] = {
        {"", "Content-Type: application/x-www-form-urlencoded"},
        {"content-type: text/plain", "Content-Type: text/plain"},
        {"Content-Type: application/json", "Content-Type: application/json"},
    };
    for (const Case& c : cases) {
        VisitParameters parameters;
        parameters.method = 1;
        parameters.postData = "name=规则&x=1";
        parameters.extraHeaders = c.extraHeaders;
        const Echo echo = Send(kServer + "/post", parameters);
        EXPECT_EQ(echo.body, "name=规则&x=1") << c.extraHeaders;
        int contentTypes = 0;
        for (const std::string& header : echo.headers) {
            contentTypes += header.rfind("Content-Type", 0) == 0 || header.rfind("content-type", 0) == 0;
        }
        EXPECT_EQ(contentTypes, 1) << c.extraHeaders;
        EXPECT_TRUE(HasLine(echo, c.expectedType)) << c.extraHeaders;
    }
}

TEST(VisitUrlTest, ABodyIsSentWhateverTheVerbButOnlyPostGetsAContentType) {
    VisitParameters parameters;
    parameters.method = 3;
    parameters.postData = "payload";
    const Echo echo = Send(kServer + "/put", parameters);
    EXPECT_EQ(echo.requestLine, "PUT /put HTTP/1.1");
    EXPECT_EQ(echo.body, "payload");
    EXPECT_EQ(echo.headers, kDefaultHeaders);
}

TEST(VisitUrlTest, ExtraHeadersComeFirstAndSuppressTheirDefaults) {
    VisitParameters parameters;
    parameters.extraHeaders = "user-agent: ZcTest\r\nX-Rule: 1";
    const Echo echo = Send(kServer + "/extra", parameters);
    ASSERT_EQ(echo.headers.size(), 6u);
    EXPECT_EQ(echo.headers[0], "user-agent: ZcTest");
    EXPECT_EQ(echo.headers[1], "X-Rule: 1");
    EXPECT_EQ(std::vector<std::string>(echo.headers.begin() + 2, echo.headers.end()),
              std::vector<std::string>(kDefaultHeaders.begin() + 1, kDefaultHeaders.end()));
}

TEST(VisitUrlTest, TimeOutAppliesToWaitingForTheAnswer) {
    VisitParameters shortWait;
    shortWait.timeoutSeconds = 1;
    EXPECT_EQ(VisitUrl(kServer + "/slow/4", shortWait), "");
    EXPECT_EQ(shortWait.status, "712 服务器未响应!");

    VisitParameters longWait;
    longWait.timeoutSeconds = 5;
    EXPECT_EQ(VisitUrl(kServer + "/slow/2", longWait), "slow answer");
    EXPECT_EQ(longWait.status, "200 OK");

    VisitParameters defaultWait;
    defaultWait.timeoutSeconds = -3;
    EXPECT_EQ(VisitUrl(kServer + "/slow/2", defaultWait), "slow answer");
}

TEST(VisitUrlTest, ServerCredentialsAreUsedOnlyWhenBothAreGiven) {
    VisitParameters both;
    both.user = "user";
    both.password = "pass";
    const Echo echo = Send(kServer + "/auth", both);
    EXPECT_EQ(both.status, "200 OK");
    EXPECT_TRUE(HasLine(echo, "Authorization: Basic dXNlcjpwYXNz")) << both.body;

    VisitParameters userOnly;
    userOnly.user = "user";
    VisitUrl(kServer + "/auth", userOnly);
    EXPECT_EQ(userOnly.status, "401 Unauthorized");
}

TEST(VisitUrlTest, AProxyReceivesTheWholeUrl) {
    VisitParameters parameters;
    parameters.proxy = "127.0.0.1:" + kPort;
    const Echo echo = Send("http://zc-example.test:8080/a?b=1", parameters);
    EXPECT_EQ(echo.requestLine, "GET http://zc-example.test:8080/a?b=1 HTTP/1.1");
    EXPECT_EQ(echo.headers, kDefaultHeaders);
}

TEST(VisitUrlTest, ProxyCredentialsAnswerTheProxysChallenge) {
    VisitParameters parameters;
    parameters.proxy = "127.0.0.1:" + kPort;
    parameters.proxyUser = "puser";
    parameters.proxyPassword = "ppass";
    const Echo echo = Send("http://zc-example.test/proxy-auth", parameters);
    EXPECT_EQ(parameters.status, "200 OK");
    EXPECT_TRUE(HasLine(echo, "Proxy-Authorization: Basic cHVzZXI6cHBhc3M=")) << parameters.body;

    VisitParameters withoutCredentials;
    withoutCredentials.proxy = "127.0.0.1:" + kPort;
    VisitUrl("http://zc-example.test/proxy-auth", withoutCredentials);
    EXPECT_EQ(withoutCredentials.status, "407 Proxy Authentication Required");
}

TEST(VisitUrlTest, AnHttpsUrlWithoutPortAsksTheProxyForPort443) {
    VisitParameters parameters;
    parameters.proxy = "127.0.0.1:" + kPort;
    parameters.timeoutSeconds = 5;
    VisitUrl("https://zc-example.test/secure", parameters);
    EXPECT_EQ(LastRequest("zc-example.test:443").requestLine, "CONNECT zc-example.test:443 HTTP/1.1");
}

TEST(VisitUrlTest, RedirectsAreFollowedUnlessSwitchedOff) {
    VisitParameters followed;
    EXPECT_EQ(VisitUrl(kServer + "/redirect", followed), "arrived");
    EXPECT_EQ(followed.status, "200 OK");
    EXPECT_EQ(followed.location, "");

    VisitParameters stopped;
    stopped.noRedirect = true;
    EXPECT_EQ(VisitUrl(kServer + "/redirect", stopped), "moved");
    EXPECT_EQ(stopped.status, "302 Found");
    EXPECT_EQ(stopped.location, "/target");
}

TEST(VisitUrlTest, AnErrorPageGivesItsStatusAndItsBody) {
    VisitParameters parameters;
    EXPECT_EQ(VisitUrl(kServer + "/status404", parameters), "no such page");
    EXPECT_EQ(parameters.status, "404 Not Found");
    EXPECT_EQ(parameters.body, "no such page");
    EXPECT_EQ(parameters.responseHeaders.rfind("HTTP/1.1 404 Not Found\r\n", 0), 0u)
        << parameters.responseHeaders;
    EXPECT_NE(parameters.responseHeaders.find("Content-Length: 12\r\n"), std::string::npos);
}

TEST(VisitUrlTest, CollectsTheResponseCookiesWithoutMergeWhenCookiesAreOmitted) {
    VisitParameters parameters;
    VisitUrl(kServer + "/cookies", parameters);
    EXPECT_EQ(parameters.newCookies, "a=1; b=2");
    EXPECT_FALSE(parameters.cookies.has_value());
}

TEST(VisitUrlTest, MergesTheResponseCookiesIntoTheSuppliedOnes) {
    VisitParameters parameters;
    parameters.cookies = "a=0; c=3";
    VisitUrl(kServer + "/cookies-deleted", parameters);
    EXPECT_EQ(parameters.cookies, "a=1; c=3");
    EXPECT_EQ(parameters.newCookies, "a=1; c=3");
    EXPECT_EQ(LastRequest("/cookies-deleted").headers.back(), "Cookie: a=0; c=3");

    VisitParameters unmerged;
    unmerged.cookies = "a=0; c=3";
    unmerged.mergeCookies = false;
    VisitUrl(kServer + "/cookies-deleted", unmerged);
    EXPECT_EQ(unmerged.cookies, "a=0; c=3");
    EXPECT_EQ(unmerged.newCookies, "a=1; b=deleted");
}

TEST(VisitUrlTest, APageDeclaringUtf8IsConvertedOthersStayAsReceived) {
    VisitParameters utf8;
    const std::string page = VisitUrl(kServer + "/page-utf8", utf8);
    EXPECT_NE(page.find("<body>中文页面</body>"), std::string::npos) << page;
    EXPECT_EQ(utf8.body.find("中文页面"), std::string::npos) << "the body keeps the received bytes";

    VisitParameters gb2312;
    EXPECT_EQ(VisitUrl(kServer + "/page-gb2312", gb2312),
              "<html><head><meta charset=\"gb2312\"></head><body>中文页面</body></html>");

    VisitParameters undeclared;
    EXPECT_EQ(VisitUrl(kServer + "/page-plain-utf8", undeclared), u8"没有声明的页面");
}

TEST(VisitUrlTest, FailuresGiveTheEmptyTextAndANumberedMessage) {
    struct Case {
        std::string url;
        const char* status;
    };
    const Case cases[] = {
        {"http://127.0.0.1:" + std::to_string(ZC_TEST_CLOSED_PORT) + "/", "711 发送请求失败!"},
        {"not a url", "701 解析URL地址失败!"},
        {"", "701 解析URL地址失败!"},
        {kServer + "/drop", "712 服务器未响应!"},
    };
    for (const Case& c : cases) {
        VisitParameters parameters;
        parameters.responseHeaders = "kept";
        EXPECT_EQ(VisitUrl(c.url, parameters), "") << c.url;
        EXPECT_EQ(parameters.status, c.status) << c.url;
        EXPECT_EQ(parameters.responseHeaders, "kept") << c.url;
    }
}

TEST(VisitUrlTest, ASystemWithoutWinHttpGivesMessage700) {
    EXPECT_EQ(BindWinHttp(L"zc_no_such_library.dll"), nullptr);
    EXPECT_EQ(BindWinHttp(L"kernel32.dll"), nullptr);
    ASSERT_NE(WinHttp(), nullptr);
    VisitParameters parameters;
    EXPECT_EQ(VisitUrlThrough(nullptr, kServer + "/", parameters), "");
    EXPECT_EQ(parameters.status, "700 当前系统不支持WinHttp服务!");
}

// Makes this Wine prefix trust the test server's certificate authority.
void TrustTestAuthority() {
    const std::string der = ReadFileBytes(testing::WindowsPathOfUnixPath(ZC_TEST_CA_FILE));
    ASSERT_FALSE(der.empty());
    HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
    ASSERT_NE(store, nullptr);
    EXPECT_TRUE(CertAddEncodedCertificateToStore(
        store, X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()), static_cast<DWORD>(der.size()),
        CERT_STORE_ADD_REPLACE_EXISTING, nullptr));
    CertCloseStore(store, 0);
}

TEST(VisitUrlTest, HttpsReachesAServerWithATrustedCertificate) {
    TrustTestAuthority();
    const std::string server = "https://localhost:" + std::to_string(ZC_TEST_HTTPS_PORT);
    VisitParameters parameters;
    const Echo echo = Send(server + "/secure?x=1", parameters);
    EXPECT_EQ(parameters.status, "200 OK");
    EXPECT_EQ(echo.requestLine, "GET /secure?x=1 HTTP/1.1");
    EXPECT_EQ(echo.headers, kDefaultHeaders);
}

} // namespace
} // namespace zc
