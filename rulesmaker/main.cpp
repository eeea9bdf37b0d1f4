#include "platform/file_system.h"
#include "platform/gbk.h"
#include "platform/window_object.h"
#include "rulesmaker/maker_window.h"

#include <windows.h>
#include <commctrl.h>

namespace {

std::string SystemTempFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    while (length > 0 && folder[length - 1] == L'\\') {
        --length;
    }
    return zc::ToGbk(std::wstring(folder, length));
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);

    return zc::RunMainWindow(zc::MakerWindow::Create(instance, zc::ProgramDirectory(), SystemTempFolder()),
                             showCommand);
}
