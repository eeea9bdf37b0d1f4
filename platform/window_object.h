#pragma once
// Plumbing shared by the programs' top-level windows.
#include <windows.h>

namespace zc {

// Routes a window's messages to its state object kept in GWLP_USERDATA. The
// object comes from makeObject(window, creation parameter) on WM_NCCREATE,
// answers through its Handle(message, wParam, lParam) and is deleted after
// WM_NCDESTROY.
template <typename Object, typename Make>
LRESULT RouteToWindowObject(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Make makeObject) {
    auto* self = reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = makeObject(window, reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const LRESULT result = self->Handle(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete self;
    }
    return result;
}

// The state object of a window whose creation parameter it is: stored on
// WM_NCCREATE, read back on every later message (nullptr before).
template <typename State> State* AttachedState(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    return reinterpret_cast<State*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Registers a window class with the arrow cursor, the program's icon and the
// given background colour; registering it again does no harm.
inline void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                                int backgroundColour = COLOR_WINDOW) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(backgroundColour + 1));
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

// Shows the main window and runs the message loop until it is destroyed;
// returns the exit code (1 when there is no window).
inline int RunMainWindow(HWND window, int showCommand) {
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace zc
