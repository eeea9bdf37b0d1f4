#pragma once
// Drives the programs' windows the way a person would, from the test process:
// start a program in its own folder, find its windows, read and set texts.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace zc::testing {

// Windows path of a file given by its Linux path (the Linux root is drive Z:).
std::string WindowsPathOfUnixPath(const std::string& unixPath);

// Calls check every 20 ms until it is true or the time is up; pumps the
// calling thread's messages meanwhile.
bool WaitUntil(const std::function<bool()>& check, DWORD timeoutMs = 20000);

// Text of any window, also one of another process.
std::string TextOf(HWND window);

// The texts of the tabs of a tab control in this process.
std::vector<std::string> TabTexts(HWND tabs);

// The first visible top-level window of the process with the class name
// (and, when given, for which matches is true).
HWND FindTopWindow(DWORD processId, const std::wstring& className,
                   const std::function<bool(HWND)>& matches = {});

class RunningProgram {
  public:
    // Starts the program with the given folder as its current folder.
    RunningProgram(const std::string& exePath, const std::string& folder);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    DWORD Id() const { return process_.dwProcessId; }
    // Waits for the top-level window of the class to appear.
    HWND WaitForWindow(const std::wstring& className, DWORD timeoutMs = 20000) const;
    // Closes the window as its title bar would and waits for the process to end.
    bool CloseAndWait(HWND window, DWORD timeoutMs = 20000);
    // The exit code of the ended program (STILL_ACTIVE while it runs).
    DWORD ExitCode() const;

  private:
    PROCESS_INFORMATION process_{};
};

} // namespace zc::testing
