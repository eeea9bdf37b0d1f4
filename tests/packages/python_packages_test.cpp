// Packages written by the reference writer (reference_packages.py) are
// imported like any other; the folder is prepared by a test fixture.
#include "cleaner/packages/import_package.h"

#include "cleaner/packages/load_pass_mark.h"
#include "cleaner/packages/load_password.h"
#include "cleaner/store/cleaner_core.h"
#include "platform/file_system.h"
#include "tests/packages/package_files.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver.h"

#include <gtest/gtest.h>

#include <string>

namespace zc {
namespace {

TEST(PythonPackagesTest, ReferencePackagesImportAndTheirScriptsUnseal) {
    const std::string packages = testing::WindowsPathOfUnixPath(ZC_PYTHON_PACKAGES);
    testing::TempFolder folder;
    CleanerCore core(folder.Path());
    core.CreateLayout();
    testing::RecordingUserInterface ui;
    for (const char* file : {"PyPlain", "PyStored", "PyLocked", "PyGbk"}) {
        const std::string expect = packages + "\\" + file + ".expect\\";
        const std::string name = ReadFileBytes(expect + "name.txt");
        const std::string password = ReadFileBytes(expect + "password.txt");
        ui.chosenFile = packages + "\\" + file + ".zcp";
        ui.onPasswordWindow = [&] {
            EXPECT_TRUE(CheckLoadPassword(core, password, [](const std::string&, const std::string&) {}));
        };
        ui.messages.clear();
        ImportPackage(core, ui);
        if (!password.empty()) {
            ImportPackage(core, ui);
        }
        ASSERT_FALSE(ui.messages.empty()) << file;
        EXPECT_EQ(ui.messages.back(), testing::ShownMessage("已导入！", "Error")) << file;
        const std::string ruleFolder = folder / "Rules\\Program\\" + name + "\\";
        EXPECT_EQ(ReadFileBytes(ruleFolder + "Member.zcc"), ReadFileBytes(expect + "Member.zcc")) << file;
        EXPECT_EQ(ReadFileBytes(ruleFolder + "Main.zcc"), ReadFileBytes(expect + "Main.zcc")) << file;
        EXPECT_EQ(core.ReadRuleScript(name), ReadFileBytes(expect + "script.txt")) << file;
    }
    EXPECT_EQ(core.ReadSealedText(folder / "Bin\\Config\\Config.zcd"),
              "\r\n&&PyPlain&&\r\n&&PyStored&&\r\n&&PyLocked&&\r\n&&Py规则&&");
}

} // namespace
} // namespace zc
