// A rule written in the maker, imported through the file dialog, switched on
// in the rule list and run: exactly its targets leave the sandbox.
#include "platform/file_system.h"
#include "platform/gbk.h"
#include "tests/e2e/cleaner_session.h"
#include "tests/e2e/dialogs.h"
#include "tests/e2e/maker_session.h"
#include "tests/e2e/sandbox.h"
#include "tests/e2e/scenarios.h"
#include "tests/e2e/step.h"
#include "tests/e2e/test_registry.h"

namespace zc::e2e {

void AuthorAndClean(const ScenarioFolders& folders) {
    Step("fill a sandbox and a registry value naming one of its files");
    const std::string& sandbox = folders.sandbox;
    MakeSandbox(sandbox, {"single.tmp", "with blank.tmp", "tree\\a.txt", "tree\\sub\\b.txt", "logs\\x.log",
                          "logs\\keep.txt", "logs\\deep\\y.log", "logs\\deep\\notes.txt", "flat\\top.log",
                          "flat\\inner\\z.log", "fromreg.dat", "other.tmp"});
    const TestRegistryValue target("E2eSweepTarget", sandbox + "\\fromreg.dat");
    const std::string dir = ScriptPath(sandbox);

    RuleDraft rule;
    rule.name = "E2eSweep";
    rule.author = "E2E";
    rule.version = "1.5";
    rule.programName = "沙盒";
    rule.script = "// sweeps the sandbox\r\n"
                  "ECHO sweep by %%USER%%\r\n"
                  "RMF " +
                  dir +
                  "\\single.tmp\r\n"
                  "RMF " +
                  dir +
                  "\\with##blank.tmp\r\n"
                  "RMR " +
                  dir +
                  "\\tree\r\n"
                  "RML " +
                  dir +
                  "\\logs *.log True\r\n"
                  "RML " +
                  dir +
                  "\\flat *.log False\r\n"
                  "GETREG target CURRENT_USER " +
                  target.ScriptPath() +
                  "\r\n"
                  "ECHO target %%target%%\r\n"
                  "RMF %%target%%\r\n"
                  "RMF " +
                  dir +
                  "\\missing.tmp\r\n"
                  "RMF " +
                  dir + "\\logs\r\n";
    PrintLines("The rule's script:", rule.script);
    const std::string package = ExportRule(folders.maker, rule);

    Step("start Zephon Cleaner in its own folder");
    CleanerSession cleaner(folders.cleaner);
    cleaner.WaitForStatus(kIdleStatus);

    Step("\"常规\" > \"加入规则\": pick the package in the open-file dialog");
    cleaner.ChooseImport(package);
    ExpectMessageBox(cleaner.ProcessId(), "Error", "已导入！");
    for (const char* member : {"Member.zcc", "Main.zcc"}) {
        Require(FileExists(folders.cleaner + "\\Rules\\Program\\E2eSweep\\" + member),
                std::string("the rule folder lacks ") + member);
    }

    Step("open \"应用程序\" and switch the rule on");
    cleaner.SwitchOnRule("[E2E][1.5]E2eSweep 适用于：沙盒");

    Step("open \"清理\" and press \"执行应用清理\"");
    wchar_t user[256] = {};
    DWORD size = 256;
    GetUserNameW(user, &size);
    const std::string pane =
        "[系统状态]执行规则  E2eSweep...\r\n"
        "[INFO][E2eSweep]sweep by " +
        ToGbk(user) +
        "\r\n"
        "[INFO][E2eSweep]target " +
        sandbox +
        "\\fromreg.dat\r\n"
        "[ERROR]执行规则  E2eSweep时，针对文件的处理发生了异常回调，此位于脚本行：12\r\n";
    cleaner.RunCleanupExpecting(pane);
    PrintLines("The cleanup pane holds:", pane);

    Step("look into the sandbox: exactly the targets are gone");
    RequireSandbox(sandbox,
                   {"single.tmp", "with blank.tmp", "tree", "logs\\x.log", "logs\\deep\\y.log",
                    "flat\\top.log", "fromreg.dat"},
                   {"logs\\keep.txt", "logs\\deep\\notes.txt", "flat\\inner\\z.log", "other.tmp"});
    Require(!FileExists(folders.cleaner + "\\Rules\\Temp\\Vartemp.zct"), "the variable store is left behind");

    Step("close the window: the list positions are removed");
    Require(FileExists(folders.cleaner + "\\Bin\\Config\\temp.zcd"), "the rule list wrote no list positions");
    cleaner.Close();
    Require(!FileExists(folders.cleaner + "\\Bin\\Config\\temp.zcd"), "temp.zcd is still there");
}

} // namespace zc::e2e
