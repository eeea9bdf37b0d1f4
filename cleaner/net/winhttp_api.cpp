#include "cleaner/net/winhttp_api.h"

#include <memory>

namespace zc {
namespace {

template <typename Entry> bool Bind(HMODULE library, const char* name, Entry& entry) {
    entry = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return entry != nullptr;
}

} // namespace

const WinHttpApi* BindWinHttp(const wchar_t* library) {
    HMODULE module = LoadLibraryW(library);
    if (module == nullptr) {
        return nullptr;
    }
    auto api = std::make_unique<WinHttpApi>();
    const bool bound = Bind(module, "WinHttpCheckPlatform", api->CheckPlatform) &&
                       Bind(module, "WinHttpCrackUrl", api->CrackUrl) &&
                       Bind(module, "WinHttpOpen", api->Open) &&
                       Bind(module, "WinHttpConnect", api->Connect) &&
                       Bind(module, "WinHttpOpenRequest", api->OpenRequest) &&
                       Bind(module, "WinHttpSetTimeouts", api->SetTimeouts) &&
                       Bind(module, "WinHttpSetCredentials", api->SetCredentials) &&
                       Bind(module, "WinHttpSetOption", api->SetOption) &&
                       Bind(module, "WinHttpAddRequestHeaders", api->AddRequestHeaders) &&
                       Bind(module, "WinHttpSendRequest", api->SendRequest) &&
                       Bind(module, "WinHttpReceiveResponse", api->ReceiveResponse) &&
                       Bind(module, "WinHttpQueryDataAvailable", api->QueryDataAvailable) &&
                       Bind(module, "WinHttpReadData", api->ReadData) &&
                       Bind(module, "WinHttpQueryHeaders", api->QueryHeaders) &&
                       Bind(module, "WinHttpCloseHandle", api->CloseHandle);
    if (!bound) {
        FreeLibrary(module);
        return nullptr;
    }
    return api.release();
}

const WinHttpApi* WinHttp() {
    static const WinHttpApi* const api = BindWinHttp(L"winhttp.dll");
    return api;
}

} // namespace zc
