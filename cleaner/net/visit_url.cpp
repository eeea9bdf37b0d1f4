#include "cleaner/net/visit_url.h"

#include "cleaner/net/http_headers.h"
#include "cleaner/net/text_encoding.h"
#include "cleaner/util/regex_object.h"
#include "common/gbk_text.h"
#include "platform/gbk.h"

#include <objbase.h>

#include <vector>

namespace zc {
namespace {

constexpr const char* kCharsetPattern = "<meta.+?charset=[^\\w]?([-\\w]+)";
constexpr std::size_t kCharsetSearchBytes = 1024;
// Feature values for the enable and disable options: automatic cookie
// handling and automatic redirects.
constexpr DWORD kCookieFeature = 1;
constexpr DWORD kRedirectFeature = 2;

const wchar_t* VerbOf(int method) {
    static const wchar_t* const verbs[] = {L"GET",     L"POST",   L"HEAD",  L"PUT",
                                           L"OPTIONS", L"DELETE", L"TRACE", L"CONNECT"};
    return method >= 0 && method < 8 ? verbs[method] : verbs[0];
}

// One part of a split URL; a part that the URL lacks is empty.
std::wstring UrlPart(const wchar_t* start, DWORD length) {
    return start == nullptr || length == ~0u ? L"" : std::wstring(start, length);
}

// Keeps the windows of a calling window thread responsive during the request.
void ProcessPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool SetFeature(const WinHttpApi& api, HINTERNET request, DWORD option, DWORD feature) {
    return api.SetOption(request, option, &feature, sizeof(feature));
}

// The bytes as they arrive, read in the pieces that the server has ready.
// False when a read fails; the bytes read so far stay in body.
bool ReadBody(const WinHttpApi& api, HINTERNET request, std::string& body) {
    for (;;) {
        DWORD available = 0;
        if (!api.QueryDataAvailable(request, &available) || available < 1) {
            return true;
        }
        std::string piece(available, '\0');
        DWORD read = 0;
        if (!api.ReadData(request, piece.data(), available, &read)) {
            return false;
        }
        body.append(piece, 0, read);
    }
}

bool ReadRawHeaders(const WinHttpApi& api, HINTERNET request, std::string& block) {
    DWORD size = 0;
    api.QueryHeaders(request, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size,
                     WINHTTP_NO_HEADER_INDEX);
    std::string buffer(size, '\0');
    if (!api.QueryHeaders(request, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX,
                          buffer.data(), &size, WINHTTP_NO_HEADER_INDEX)) {
        return false;
    }
    buffer.resize(size);
    block = Utf16ToText(buffer);
    return true;
}

// The page converted from the charset that its meta tag declares; pages in
// GBK or declaring nothing stay as received.
std::string DecodeDeclaredCharset(RegexObject& regex, const std::string& body, const std::string& page) {
    const bool comInitialised = SUCCEEDED(CoInitialize(nullptr));
    const std::string charset =
        regex.Search(kCharsetPattern, page.substr(0, kCharsetSearchBytes)) ? regex.SubMatchText(1, 1) : "";
    std::string text = page;
    if (!charset.empty() && charset != "gbk" && charset != "gb2312") {
        CharsetToText(body, charset, text);
    }
    ProcessPendingMessages();
    if (comInitialised) {
        CoUninitialize();
    }
    return text;
}

} // namespace

std::string VisitUrl(const std::string& url) {
    VisitParameters parameters;
    return VisitUrl(url, parameters);
}

std::string VisitUrl(const std::string& url, VisitParameters& parameters) {
    return VisitUrlThrough(WinHttp(), url, parameters);
}

std::string VisitUrlThrough(const WinHttpApi* bound, const std::string& url, VisitParameters& parameters) {
    RegexObject regex;
    const auto fail = [&parameters](const char* message, bool pumpMessages) {
        parameters.status = message;
        if (pumpMessages) {
            ProcessPendingMessages();
        }
        return std::string();
    };
    if (bound == nullptr || !bound->CheckPlatform()) {
        return fail("700 当前系统不支持WinHttp服务!", true);
    }
    const WinHttpApi& api = *bound;

    const std::wstring wideUrl = ToWide(url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwSchemeLength = parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = ~0u;
    if (wideUrl.empty() || !api.CrackUrl(wideUrl.c_str(), 0, 0, &parts)) {
        return fail("701 解析URL地址失败!", true);
    }
    const std::wstring host = UrlPart(parts.lpszHostName, parts.dwHostNameLength);
    const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    const std::wstring path = UrlPart(parts.lpszUrlPath, parts.dwUrlPathLength);
    const std::wstring objectName =
        path.empty() ? L"/" : path + UrlPart(parts.lpszExtraInfo, parts.dwExtraInfoLength);

    // The proxy serves every scheme. WinHTTP under Wine does not understand the
    // per-scheme form "http=host:port"; for a single request it means the same.
    const bool direct = parameters.proxy.empty();
    const std::wstring proxyName = ToWide(parameters.proxy);
    WinHttpHandle session(
        api, api.Open(nullptr, direct ? WINHTTP_ACCESS_TYPE_NO_PROXY : WINHTTP_ACCESS_TYPE_NAMED_PROXY,
                      direct ? WINHTTP_NO_PROXY_NAME : proxyName.c_str(), WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) {
        return fail("702 创建WinHttp会话失败!", true);
    }
    WinHttpHandle connection(api, api.Connect(session.get(), host.c_str(), parts.nPort, 0));
    if (!connection) {
        return fail("703 创建WinHttp连接失败!", true);
    }
    WinHttpHandle request(api,
                          api.OpenRequest(connection.get(), VerbOf(parameters.method), objectName.c_str(),
                                          nullptr, WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                          secure ? WINHTTP_FLAG_SECURE : 0));
    if (!request) {
        return fail("704 创建WinHttp请求失败!", true);
    }
    const int timeout = TimeoutMilliseconds(parameters.timeoutSeconds);
    // The wait for the response headers is part of receiving; WinHTTP under
    // Wine keeps a separate, unlimited time-out for it unless it is set.
    DWORD responseTimeout = static_cast<DWORD>(timeout);
    if (!api.SetTimeouts(request.get(), timeout, timeout, timeout, timeout) ||
        !api.SetOption(request.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &responseTimeout,
                       sizeof(responseTimeout))) {
        return fail("705 设置超时时间失败!", true);
    }
    const auto setCredentials = [&](DWORD target, const std::string& user, const std::string& password) {
        return user.empty() || password.empty() ||
               api.SetCredentials(request.get(), target, WINHTTP_AUTH_SCHEME_BASIC, ToWide(user).c_str(),
                                  ToWide(password).c_str(), nullptr);
    };
    if (!setCredentials(WINHTTP_AUTH_TARGET_SERVER, parameters.user, parameters.password) ||
        !setCredentials(WINHTTP_AUTH_TARGET_PROXY, parameters.proxyUser, parameters.proxyPassword)) {
        return fail("707 设置代理凭证失败!", false);
    }
    if (!SetFeature(api, request.get(),
                    parameters.cookies ? WINHTTP_OPTION_ENABLE_FEATURE : WINHTTP_OPTION_DISABLE_FEATURE,
                    kCookieFeature)) {
        return fail("708 禁止自动设置Cookies失败!", false);
    }
    if (parameters.noRedirect &&
        !SetFeature(api, request.get(), WINHTTP_OPTION_DISABLE_FEATURE, kRedirectFeature)) {
        return fail("709 重定向设置失败!", false);
    }
    const std::wstring headers = ToWide(
        BuildRequestHeaders(parameters.extraHeaders, parameters.method, parameters.cookies.value_or("")));
    if (!api.AddRequestHeaders(request.get(), headers.c_str(), static_cast<DWORD>(headers.size()),
                               WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE)) {
        return fail("710 设置协议头失败!", true);
    }
    std::string postData = parameters.postData;
    const DWORD postLength = static_cast<DWORD>(postData.size());
    if (!api.SendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                         postData.empty() ? WINHTTP_NO_REQUEST_DATA : postData.data(), postLength, postLength,
                         0)) {
        return fail("711 发送请求失败!", true);
    }
    if (!api.ReceiveResponse(request.get(), nullptr)) {
        return fail("712 服务器未响应!", true);
    }

    std::string body;
    if (!ReadBody(api, request.get(), body)) {
        parameters.status = "713 读取数据失败!";
    }
    std::string block;
    if (!ReadRawHeaders(api, request.get(), block)) {
        return "";
    }
    const ResponseHeaderFacts facts = ReadResponseHeaders(block);
    parameters.responseHeaders = block;
    parameters.status = facts.status;
    parameters.newCookies = facts.newCookies;
    if (facts.hasLocation) {
        parameters.location = facts.location;
    }
    ProcessPendingMessages();
    if (parameters.mergeCookies && parameters.cookies) {
        parameters.cookies = MergeCookies(*parameters.cookies, parameters.newCookies);
        parameters.newCookies = *parameters.cookies;
    }
    parameters.body = body;
    const std::string page = DecodeDeclaredCharset(regex, body, TextUpToZero(body));
    ProcessPendingMessages();
    return page;
}

} // namespace zc
