#include "cleaner/shell/main_window.h"
#include "cleaner/shell/process_state.h"
#include "platform/file_system.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    zc::CreateProcessState(zc::ProgramDirectory());
    std::atexit(zc::ReleaseProcessState);

    HWND window = zc::MainWindow::Create(instance, zc::Core(), ZC_NOTICE_SERVER);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
