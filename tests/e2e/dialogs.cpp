#include "tests/e2e/dialogs.h"

#include "tests/e2e/controls.h"
#include "tests/e2e/screenshots.h"
#include "tests/e2e/step.h"
#include "tests/support/window_driver.h"

#include <functional>

namespace zc::e2e {
namespace {

constexpr int kMessageText = 0xFFFF;
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

bool IsMessageBox(HWND dialog) {
    return GetDlgItem(dialog, kMessageText) != nullptr;
}

HWND FindDialog(DWORD processId, const std::function<bool(HWND)>& matches) {
    return testing::FindTopWindow(processId, L"#32770", matches);
}

HWND WaitForDialog(DWORD processId, const std::function<bool(HWND)>& matches) {
    HWND found = nullptr;
    testing::WaitUntil([&] { return (found = FindDialog(processId, matches)) != nullptr; }, kPatienceMs);
    return found;
}

HWND FileNameBox(HWND dialog) {
    HWND combo = GetDlgItem(dialog, kFileNameCombo);
    return combo != nullptr ? combo : GetDlgItem(dialog, kFileNameEdit);
}

void PressAndWaitGone(HWND dialog, int button, const std::string& what) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    Require(testing::WaitUntil([&] { return !IsWindow(dialog); }, kPatienceMs), what + " stayed open");
}

} // namespace

bool IsMessageBoxShown(DWORD processId) {
    return FindDialog(processId, IsMessageBox) != nullptr;
}

MessageBoxSeen AnswerMessageBox(DWORD processId) {
    HWND box = WaitForDialog(processId, IsMessageBox);
    Require(box != nullptr, "no message box appeared");
    MessageBoxSeen seen{testing::TextOf(box), testing::TextOf(GetDlgItem(box, kMessageText))};
    Screenshot(box, "message");
    PressAndWaitGone(box, IDOK, "the message box \"" + seen.text + "\"");
    return seen;
}

void ExpectMessageBox(DWORD processId, const std::string& caption, const std::string& text) {
    const MessageBoxSeen seen = AnswerMessageBox(processId);
    RequireText(seen.text, text, "the message");
    RequireText(seen.caption, caption, "the caption of the message \"" + text + "\"");
}

HWND WaitForFileDialog(DWORD processId) {
    HWND dialog = WaitForDialog(processId, [](HWND window) { return FileNameBox(window) != nullptr; });
    Require(dialog != nullptr, "no open-file dialog appeared");
    return dialog;
}

void ChooseFile(HWND dialog, const std::string& path) {
    SetText(FileNameBox(dialog), path);
    Screenshot(dialog, "file-dialog");
    PressAndWaitGone(dialog, IDOK, "the open-file dialog");
}

void CancelFileDialog(HWND dialog) {
    PressAndWaitGone(dialog, IDCANCEL, "the open-file dialog");
}

} // namespace zc::e2e
