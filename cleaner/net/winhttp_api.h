#pragma once
// WinHTTP entry points, bound by name from the library at first use, so that a
// system without the library is told apart instead of failing to start.
#include <windows.h>
#include <winhttp.h>

namespace zc {

struct WinHttpApi {
    decltype(&::WinHttpCheckPlatform) CheckPlatform;
    decltype(&::WinHttpCrackUrl) CrackUrl;
    decltype(&::WinHttpOpen) Open;
    decltype(&::WinHttpConnect) Connect;
    decltype(&::WinHttpOpenRequest) OpenRequest;
    decltype(&::WinHttpSetTimeouts) SetTimeouts;
    decltype(&::WinHttpSetCredentials) SetCredentials;
    decltype(&::WinHttpSetOption) SetOption;
    decltype(&::WinHttpAddRequestHeaders) AddRequestHeaders;
    decltype(&::WinHttpSendRequest) SendRequest;
    decltype(&::WinHttpReceiveResponse) ReceiveResponse;
    decltype(&::WinHttpQueryDataAvailable) QueryDataAvailable;
    decltype(&::WinHttpReadData) ReadData;
    decltype(&::WinHttpQueryHeaders) QueryHeaders;
    decltype(&::WinHttpCloseHandle) CloseHandle;
};

// Binds every entry point from the named library; nullptr when the library or
// any entry point is missing. The library stays loaded.
const WinHttpApi* BindWinHttp(const wchar_t* library);

// The binding of "winhttp.dll", made once at the first call.
const WinHttpApi* WinHttp();

// Owns one WinHTTP handle and closes it when it goes out of scope.
class WinHttpHandle {
  public:
    WinHttpHandle(const WinHttpApi& api, HINTERNET handle) : api_(api), handle_(handle) {}
    ~WinHttpHandle() {
        if (handle_ != nullptr) {
            api_.CloseHandle(handle_);
        }
    }
    WinHttpHandle(const WinHttpHandle&) = delete;
    WinHttpHandle& operator=(const WinHttpHandle&) = delete;
    HINTERNET get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

  private:
    const WinHttpApi& api_;
    HINTERNET handle_;
};

} // namespace zc
