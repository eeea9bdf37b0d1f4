// What the import refuses, each with its own message, and a rule deleted
// through the deletion window.
#include "cleaner/shell/command_ids.h"
#include "cleaner/shell/delete_rule_window.h"
#include "platform/file_system.h"
#include "tests/e2e/cleaner_session.h"
#include "tests/e2e/controls.h"
#include "tests/e2e/dialogs.h"
#include "tests/e2e/maker_session.h"
#include "tests/e2e/scenarios.h"
#include "tests/e2e/screenshots.h"
#include "tests/e2e/step.h"

namespace zc::e2e {

void Refusals(const ScenarioFolders& folders) {
    RuleDraft rule;
    rule.name = "Twice";
    rule.author = "E2E";
    rule.version = "1";
    rule.programName = "Twice";
    rule.script = "ECHO twice\r\n";
    const std::string package = ExportRule(folders.maker, rule);
    const std::string damaged = folders.maker + "\\Damaged.zcp";
    const std::string bytes = ReadFileBytes(package);
    WriteFileBytes(damaged, bytes.substr(0, bytes.size() / 2));
    const std::string wrongExtension = folders.maker + "\\Twice.zip";
    CopyOneFile(package, wrongExtension);

    Step("start Zephon Cleaner and import the package");
    CleanerSession cleaner(folders.cleaner);
    cleaner.WaitForStatus(kIdleStatus);
    cleaner.ChooseImport(package);
    ExpectMessageBox(cleaner.ProcessId(), "Error", "已导入！");

    const struct {
        const char* what;
        std::string path;
        const char* message;
    } refusals[] = {
        {"import the same package again", package, "该配置文件在库中同名配置文件，已拒绝导入！"},
        {"import a damaged package", damaged, "该配置文件已损坏，若多次导入均报错则说明文件彻底损坏"},
        {"import a file with another extension", wrongExtension, "请选择以.zcp结尾的ZC-Rules文件"},
    };
    for (const auto& refusal : refusals) {
        Step(refusal.what);
        cleaner.ChooseImport(refusal.path);
        ExpectMessageBox(cleaner.ProcessId(), "Error", refusal.message);
    }
    Step("cancel the open-file dialog");
    cleaner.ChooseMenu(ids::kMenuImport);
    CancelFileDialog(WaitForFileDialog(cleaner.ProcessId()));
    ExpectMessageBox(cleaner.ProcessId(), "Error", "请选择以.zcp结尾的ZC-Rules文件");
    Require(!FileExists(folders.cleaner + "\\Rules\\Temp\\temp"), "a refused import left its unpack folder");

    Step("\"常规\" > \"删除规则\": delete the rule");
    cleaner.ChooseMenu(ids::kMenuDelete);
    HWND deletion = nullptr;
    Require(testing::WaitUntil(
                [&] {
                    return (deletion = testing::FindTopWindow(cleaner.ProcessId(), kDeleteRuleWindowClass)) !=
                           nullptr;
                },
                kPatienceMs),
            "the deletion window did not appear");
    RequireText(testing::TextOf(deletion), "删除规则", "the deletion window's caption");
    SetText(GetDlgItem(deletion, kDeleteNameBox), rule.name);
    Screenshot(deletion, "deletion");
    for (const char* answer : {"已成功删除规则：Twice", "该规则不存在！"}) {
        PressButton(GetDlgItem(deletion, kDeleteButton));
        ExpectMessageBox(cleaner.ProcessId(), "ERROR", answer);
        Require(!FileExists(folders.cleaner + "\\Rules\\Program\\Twice"), "the rule folder is still there");
    }
    PostMessageW(deletion, WM_CLOSE, 0, 0);
    Require(testing::WaitUntil([&] { return !IsWindow(deletion); }, kPatienceMs),
            "the deletion window stays open");

    Step("the rule list is empty again");
    cleaner.OpenPage(Page::Programs);
    cleaner.WaitForStatus("[系统状态]初始化完毕...");
    Require(ListItemCount(cleaner.Control(ids::kRuleList)) == 0, "the deleted rule is still listed");

    Step("close the window");
    cleaner.Close();
}

} // namespace zc::e2e
