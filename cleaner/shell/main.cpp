#include "cleaner/shell/main_window.h"
#include "cleaner/shell/process_state.h"
#include "platform/file_system.h"
#include "platform/window_object.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

namespace {

int exitCode = 0;

// Runs after every other exit routine and ends the process at once: a notice
// request still waiting on the network must neither hold up the end nor run on
// while the system libraries are being unloaded.
void EndProcessAtOnce() {
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exitCode));
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    std::atexit(EndProcessAtOnce);
    zc::CreateProcessState(zc::ProgramDirectory());
    std::atexit(zc::ReleaseProcessState);

    exitCode = zc::RunMainWindow(zc::MainWindow::Create(instance, zc::Core(), ZC_NOTICE_SERVER), showCommand);
    return exitCode;
}
