// A rule locked with an encryption ID: the import asks for its password, a
// wrong one is refused, the right one lets the second import complete, and the
// run deciphers and executes the script.
#include "cleaner/packages/load_password_window.h"
#include "platform/file_system.h"
#include "tests/e2e/cleaner_session.h"
#include "tests/e2e/controls.h"
#include "tests/e2e/dialogs.h"
#include "tests/e2e/maker_session.h"
#include "tests/e2e/sandbox.h"
#include "tests/e2e/scenarios.h"
#include "tests/e2e/screenshots.h"
#include "tests/e2e/step.h"

namespace zc::e2e {
namespace {

const char* const kWrongPassword = "密码错误，导入失败！";

void ConfirmPassword(DWORD processId, HWND window, const std::string& password, const std::string& answer) {
    SetText(GetDlgItem(window, load_password_ids::kPassword), password);
    PressButton(GetDlgItem(window, load_password_ids::kConfirm));
    ExpectMessageBox(processId, "ERROR", answer);
    Require(IsWindow(window), "the password window closed after \"确定\"");
}

// Imports the package, answers the request for its password and returns the
// password window that follows.
HWND ImportAskingForPassword(const CleanerSession& cleaner, const std::string& package) {
    cleaner.ChooseImport(package);
    ExpectMessageBox(cleaner.ProcessId(), "Tips", "请在接下来的窗口中提供密码\r\n输入密码后请重新导入！");
    HWND window = nullptr;
    Require(testing::WaitUntil(
                [&] {
                    return (window = testing::FindTopWindow(cleaner.ProcessId(),
                                                            L"ZephonCleanerLoadPassword")) != nullptr;
                },
                kPatienceMs),
            "the password window did not appear");
    RequireText(testing::TextOf(window), "载入密码限制", "the password window's caption");
    return window;
}

} // namespace

void LockedRule(const ScenarioFolders& folders) {
    Step("write and export a rule locked with an encryption ID");
    MakeSandbox(folders.sandbox, {"locked.tmp", "other.tmp"});
    RuleDraft rule;
    rule.name = "LockedSweep";
    rule.author = "E2E";
    rule.version = "2";
    rule.programName = "Locked";
    rule.encryptionId = "k3y-E2e";
    rule.script = "ECHO locked rule ran\r\nRMF " + ScriptPath(folders.sandbox) + "\\locked.tmp\r\n";
    const std::string package = ExportRule(folders.maker, rule);

    Step("start Zephon Cleaner and import the locked package");
    CleanerSession cleaner(folders.cleaner);
    cleaner.WaitForStatus(kIdleStatus);
    HWND passwordWindow = ImportAskingForPassword(cleaner, package);

    Step("the password window: a wrong password, then \"取消\"");
    Screenshot(passwordWindow, "password");
    ConfirmPassword(cleaner.ProcessId(), passwordWindow, "wrong", kWrongPassword);
    PressButton(GetDlgItem(passwordWindow, load_password_ids::kCancel));
    ExpectMessageBox(cleaner.ProcessId(), "ERROR", kWrongPassword);
    Require(testing::WaitUntil([&] { return !IsWindow(passwordWindow); }, kPatienceMs),
            "the password window stays open");
    Require(!FileExists(folders.cleaner + "\\Rules\\Program\\LockedSweep"), "a refused rule was installed");

    Step("import again: the right password, then \"取消\"");
    passwordWindow = ImportAskingForPassword(cleaner, package);
    ConfirmPassword(cleaner.ProcessId(), passwordWindow, rule.encryptionId, "密码正确，请重新导入即可！");
    PressButton(GetDlgItem(passwordWindow, load_password_ids::kCancel));
    Require(
        testing::WaitUntil(
            [&] { return !IsWindow(passwordWindow) || IsMessageBoxShown(cleaner.ProcessId()); }, kPatienceMs),
        "the password window stays open");
    Require(!IsMessageBoxShown(cleaner.ProcessId()),
            "closing after the right password says the import failed");
    Require(!FileExists(folders.cleaner + "\\Rules\\Program\\LockedSweep"),
            "the rule was installed too early");

    Step("import the package again: it completes");
    cleaner.ChooseImport(package);
    ExpectMessageBox(cleaner.ProcessId(), "Tips", "已验证密码，单击确定继续导入！");
    ExpectMessageBox(cleaner.ProcessId(), "Error", "已导入！");

    Step("switch the rule on and run it");
    cleaner.SwitchOnRule("[E2E][2]LockedSweep 适用于：Locked");
    cleaner.RunCleanupExpecting(
        "[系统状态]执行规则  LockedSweep...\r\n[INFO][LockedSweep]locked rule ran\r\n");
    RequireSandbox(folders.sandbox, {"locked.tmp"}, {"other.tmp"});

    Step("close the window");
    cleaner.Close();
}

} // namespace zc::e2e
