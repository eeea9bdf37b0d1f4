#pragma once
// The standard dialogs a program shows: message boxes and the open-file dialog.
#include <windows.h>

#include <string>

namespace zc::e2e {

struct MessageBoxSeen {
    std::string caption;
    std::string text;
};

// Waits for a message box of the process, reads it, presses its OK button
// and waits until it is gone.
MessageBoxSeen AnswerMessageBox(DWORD processId);

// Whether the process shows a message box right now.
bool IsMessageBoxShown(DWORD processId);

// Waits for a message box of the process and requires its caption and text.
void ExpectMessageBox(DWORD processId, const std::string& caption, const std::string& text);

// The open-file dialog of the process, once it is shown.
HWND WaitForFileDialog(DWORD processId);

// Types the path into the file-name box of the dialog and presses "打开".
void ChooseFile(HWND dialog, const std::string& path);

// Presses "取消" in the dialog.
void CancelFileDialog(HWND dialog);

} // namespace zc::e2e
