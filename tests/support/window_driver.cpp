#include "tests/support/window_driver.h"

#include "platform/gbk.h"

#include <commctrl.h>

namespace zc::testing {

std::string WindowsPathOfUnixPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

bool WaitUntil(const std::function<bool()>& check, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (check()) {
            return true;
        }
        if (GetTickCount64() > deadline) {
            return false;
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(20);
    }
}

std::vector<std::string> TabTexts(HWND tabs) {
    std::vector<std::string> texts;
    const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t name[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = name;
        item.cchTextMax = 64;
        SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        texts.push_back(ToGbk(name));
    }
    return texts;
}

std::string TextOf(HWND window) {
    wchar_t buffer[4096] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                             5000, &copied)) {
        return "<no answer>";
    }
    return ToGbk(std::wstring(buffer, copied));
}

namespace {
struct WindowQuery {
    DWORD processId;
    const std::wstring* className;
    const std::function<bool(HWND)>* matches;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM argument) {
    auto* query = reinterpret_cast<WindowQuery*>(argument);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    if (owner == query->processId && IsWindowVisible(window) && *query->className == className &&
        (!*query->matches || (*query->matches)(window))) {
        query->found = window;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND FindTopWindow(DWORD processId, const std::wstring& className, const std::function<bool(HWND)>& matches) {
    WindowQuery query{processId, &className, &matches, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

RunningProgram::RunningProgram(const std::string& exePath, const std::string& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + ToWide(exePath) + L"\"";
    if (!CreateProcessW(ToWide(exePath).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        ToWide(folder).c_str(), &startup, &process_)) {
        process_ = PROCESS_INFORMATION{};
    }
}

RunningProgram::~RunningProgram() {
    if (process_.hProcess != nullptr) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

HWND RunningProgram::WaitForWindow(const std::wstring& className, DWORD timeoutMs) const {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindTopWindow(process_.dwProcessId, className)) != nullptr; },
              timeoutMs);
    return window;
}

bool RunningProgram::CloseAndWait(HWND window, DWORD timeoutMs) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD RunningProgram::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

} // namespace zc::testing
