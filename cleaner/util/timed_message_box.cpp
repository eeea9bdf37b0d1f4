#include "cleaner/util/timed_message_box.h"

#include "platform/gbk.h"

namespace zc {
namespace {

constexpr long long kDefaultLimitMs = 31536000LL;
constexpr int kTimedOut = 32000; // what a timed-out box reports, as MessageBoxTimeout does

// The box that the running TimedMessageBox of this thread waits for.
struct PendingBox {
    HWND owner;
    const std::wstring* caption;
};
thread_local PendingBox* pendingBox = nullptr;

BOOL CALLBACK EndPendingBox(HWND window, LPARAM) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    wchar_t caption[256] = {};
    GetWindowTextW(window, caption, 256);
    if (std::wstring(className) == L"#32770" && GetWindow(window, GW_OWNER) == pendingBox->owner &&
        *pendingBox->caption == caption) {
        EndDialog(window, kTimedOut);
        return FALSE;
    }
    return TRUE;
}

// Runs inside the box's own message loop. Not every platform's
// MessageBoxTimeout honours its time-out, so the box is closed here.
void CALLBACK CloseBoxOnTimeout(HWND, UINT, UINT_PTR, DWORD) {
    if (pendingBox != nullptr) {
        EnumThreadWindows(GetCurrentThreadId(), EndPendingBox, 0);
    }
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
    PendingBox box{owner, &caption};
    PendingBox* outer = pendingBox;
    pendingBox = &box;
    const UINT_PTR timer = SetTimer(nullptr, 0, timeoutMs, CloseBoxOnTimeout);
    const int result = MessageBoxW(owner, text.c_str(), caption.c_str(), style);
    KillTimer(nullptr, timer);
    pendingBox = outer;
    return result - 1;
}

} // namespace zc
