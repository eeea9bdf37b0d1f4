#include "cleaner/util/timed_message_box.h"

#include "platform/gbk.h"

namespace zc {
namespace {

constexpr long long kDefaultLimitMs = 31536000LL;

using MessageBoxTimeoutFunction = int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, UINT, WORD, DWORD);

// Not in the import libraries: bound by name at first use.
MessageBoxTimeoutFunction MessageBoxTimeoutEntry() {
    static const auto entry = reinterpret_cast<MessageBoxTimeoutFunction>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"user32.dll"), "MessageBoxTimeoutW")));
    return entry;
}

} // namespace

HWND FindProcessWindow(DWORD processId, long long limitMs) {
    const long long limit = limitMs == -1 ? kDefaultLimitMs : limitMs;
    const ULONGLONG start = GetTickCount64();
    HWND previous = nullptr;
    for (;;) {
        if (static_cast<long long>(GetTickCount64() - start) >= limit) {
            return nullptr;
        }
        HWND window = FindWindowExW(nullptr, previous, nullptr, nullptr);
        previous = window;
        DWORD owner = 0;
        if (window != nullptr && IsWindow(window) && IsWindowVisible(window) &&
            (GetWindowThreadProcessId(window, &owner), owner == processId)) {
            return window;
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

int TimedMessageBox(const std::string& message, UINT style, const std::string& title, HWND owner,
                    DWORD timeoutMs) {
    if (owner == nullptr) {
        owner = FindProcessWindow(GetCurrentProcessId());
    }
    const std::wstring text = ToWide(message);
    const std::wstring caption = ToWide(title);
    if (MessageBoxTimeoutFunction entry = MessageBoxTimeoutEntry()) {
        return entry(owner, text.c_str(), caption.c_str(), style, 0, timeoutMs) - 1;
    }
    return MessageBoxW(owner, text.c_str(), caption.c_str(), style) - 1;
}

} // namespace zc
