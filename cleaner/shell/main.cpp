#include "cleaner/shell/main_window.h"
#include "cleaner/shell/process_state.h"
#include "platform/file_system.h"

#include "platform/window_object.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    zc::CreateProcessState(zc::ProgramDirectory());
    std::atexit(zc::ReleaseProcessState);

    return zc::RunMainWindow(zc::MainWindow::Create(instance, zc::Core()), showCommand);
}
