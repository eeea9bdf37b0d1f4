#include "tests/e2e/maker_session.h"

#include "platform/file_system.h"
#include "rulesmaker/control_ids.h"
#include "tests/e2e/controls.h"
#include "tests/e2e/dialogs.h"
#include "tests/e2e/screenshots.h"
#include "tests/e2e/step.h"

namespace zc::e2e {

std::string ExportRule(const std::string& makerFolder, const RuleDraft& rule) {
    Step("start ZC-RulesMaker in its own folder");
    CreateOneDirectory(makerFolder);
    const std::string exe = makerFolder + "\\ZC-RulesMaker.exe";
    Require(CopyOneFile(testing::WindowsPathOfUnixPath(ZC_RULESMAKER_EXE), exe),
            "the maker could not be copied");
    testing::RunningProgram maker(exe, makerFolder);
    HWND window = maker.WaitForWindow(L"ZephonRulesMakerMain", kPatienceMs);
    Require(window != nullptr, "the maker's window did not appear");
    Require(WaitUntilAnswering(window), "the maker's window does not answer");
    RequireText(testing::TextOf(window), "Zephon Cleaner Rules Maker", "the maker's caption");

    Step("write the rule " + rule.name + " into the maker's boxes");
    const auto box = [window](int id) {
        HWND control = GetDlgItem(window, id);
        Require(control != nullptr, "the maker has no box " + std::to_string(id));
        return control;
    };
    SetText(box(maker_ids::kName), rule.name);
    SetText(box(maker_ids::kAuthor), rule.author);
    TypeChars(box(maker_ids::kVersion), rule.version);
    SetText(box(maker_ids::kProgramName), rule.programName);
    SetText(box(maker_ids::kEncryptionId), rule.encryptionId);
    SetText(box(maker_ids::kScript), rule.script);
    Screenshot(window, "maker");

    Step("export the package with \"导出\"");
    PressButton(box(maker_ids::kExport));
    ExpectMessageBox(maker.Id(), "ZC-RulesMaker", "导出完成，已成功导出到运行目录下！");
    const std::string package = makerFolder + "\\" + rule.name + ".zcp";
    Require(FileExists(package), "no package " + package + " was written");
    Require(maker.CloseAndWait(window), "the maker did not end after its window was closed");
    return package;
}

} // namespace zc::e2e
