#include "tests/e2e/screenshots.h"

#include "platform/file_system.h"
#include "platform/gbk.h"
#include "tests/e2e/step.h"
#include "tests/support/window_driver.h"

#include <cstdio>
#include <cstdlib>

namespace zc::e2e {
namespace {

std::string scenarioName = "scenario";
int pictureNumber = 0;

// Runs a Linux shell command line; Wine starts Linux programs directly but
// gives no handle to wait on, so the caller watches for the command's result.
bool StartLinuxShell(const std::string& command) {
    std::wstring commandLine = L"Z:\\bin\\sh -c \"" + ToWide(command) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace

void SetScreenshotScenario(const std::string& scenario) {
    scenarioName = scenario;
    pictureNumber = 0;
    const char* folder = std::getenv("ZC_E2E_SCREENSHOTS");
    if (folder == nullptr || *folder == '\0') {
        return;
    }
    // Pictures of an earlier run of the scenario would mix with the new ones.
    const std::string windowsFolder = testing::WindowsPathOfUnixPath(folder);
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(ToWide(windowsFolder + "\\" + scenario + "-*.png").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        DeleteOneFile(windowsFolder + "\\" + ToGbk(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

void Screenshot(HWND window, const std::string& label) {
    const char* folder = std::getenv("ZC_E2E_SCREENSHOTS");
    if (folder == nullptr || *folder == '\0') {
        return;
    }
    char number[8];
    std::snprintf(number, sizeof(number), "%02d", ++pictureNumber);
    const std::string picture =
        std::string(folder) + "/" + scenarioName + "-" + number + "-" + label + ".png";
    DeleteOneFile(testing::WindowsPathOfUnixPath(picture));

    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    testing::WaitUntil([] { return false; }, 400); // lets the window paint itself
    RECT rect{};
    GetWindowRect(window, &rect);
    char crop[64];
    std::snprintf(crop, sizeof(crop), "%ldx%ld+%ld+%ld", rect.right - rect.left, rect.bottom - rect.top,
                  rect.left, rect.top);
    const std::string partial = picture + ".part";
    Require(StartLinuxShell("mkdir -p '" + std::string(folder) + "' && import -window root -crop " + crop +
                            " 'png:" + partial + "' && mv '" + partial + "' '" + picture + "'"),
            "the screen capture could not be started");
    Require(
        testing::WaitUntil([&] { return FileExists(testing::WindowsPathOfUnixPath(picture)); }, kPatienceMs),
        "no picture of the screen was saved as " + picture);
}

} // namespace zc::e2e
