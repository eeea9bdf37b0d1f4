// The export of the button "导出", driven through its handler with a
// recording stand-in for the message boxes.
#include "rulesmaker/export_package.h"

#include "common/seal.h"
#include "platform/file_system.h"
#include "tests/rulesmaker/package_contents.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

namespace zc {
namespace {

using Message = std::pair<std::string, std::string>; // text, caption
using Names = std::vector<std::string>;

const char* const kDone = "导出完成，已成功导出到运行目录下！";

class RecordingMessages : public MakerMessages {
  public:
    void ShowMessage(const std::string& text, const std::string& caption) override {
        shown.emplace_back(text, caption);
    }
    std::vector<Message> shown;
};

RuleFields SimpleRule(const std::string& name = "CleanTest") {
    RuleFields rule;
    rule.name = name;
    rule.author = "Zephon";
    rule.version = "1.5";
    rule.specVer = "2";
    rule.programName = "测试程序";
    rule.processName = "test.exe";
    rule.script = "ECHO 开始\r\nRMF C:\\a.txt";
    return rule;
}

class ExportPackageTest : public ::testing::Test {
  protected:
    std::vector<Message> Export(const RuleFields& rule, const std::string& directory = "") {
        RecordingMessages messages;
        ExportPackage(rule, directory.empty() ? program_.Path() : directory, work_.Path(), messages);
        return messages.shown;
    }
    std::map<std::string, std::string> Members(const std::string& name) const {
        return testing::PackageMembers(program_ / (name + ".zcp"));
    }
    // Only the package is left behind: no working files or folders anywhere.
    void ExpectOnlyPackage(const std::string& name) const {
        EXPECT_EQ(testing::NamesIn(program_.Path()), Names{name + ".zcp"});
        EXPECT_EQ(testing::NamesIn(work_.Path()), Names{});
    }
    void ExpectNothingWritten() const {
        EXPECT_EQ(testing::NamesIn(program_.Path()), Names{});
        EXPECT_EQ(testing::NamesIn(work_.Path()), Names{});
    }

    testing::TempFolder program_;
    testing::TempFolder work_;
};

TEST_F(ExportPackageTest, EmptyApplicationIsRefusedButBlanksAreAccepted) {
    RuleFields rule = SimpleRule();
    rule.programName = "";
    EXPECT_EQ(Export(rule), (std::vector<Message>{{"需要填写应用程序的名称", "Error"}}));
    ExpectNothingWritten();

    rule.programName = "  ";
    EXPECT_EQ(Export(rule), (std::vector<Message>{{kDone, "ZC-RulesMaker"}}));
    ExpectOnlyPackage(rule.name);
}

TEST_F(ExportPackageTest, NamesWithChineseCharactersAreRefusedFullWidthPunctuationIsNot) {
    const struct {
        const char* name;
        bool refused;
    } cases[] = {
        {"规则", true},
        {"Rule测", true},
        {"A（B），C！", false},
        {"丂Rule", false}, // a GBK character outside the GB2312 area
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Message> shown = Export(SimpleRule(c.name));
        if (c.refused) {
            EXPECT_EQ(shown, (std::vector<Message>{{"规则名称不能存在汉字！", "Error"}}));
            ExpectNothingWritten();
        } else {
            EXPECT_EQ(shown, (std::vector<Message>{{kDone, "ZC-RulesMaker"}}));
            ExpectOnlyPackage(c.name);
            EXPECT_EQ(Members(c.name).size(), 4u);
            DeleteOneFile(program_ / (std::string(c.name) + ".zcp"));
        }
    }
}

TEST_F(ExportPackageTest, IdsDecideLocksAndSealingOfEveryMember) {
    const struct {
        const char* encryptionId;
        const char* obfuscationId;
        const char* lockLoad;
        const char* lockEdit;
        const char* scriptKey;
        std::string editMarker;
        const char* editKey;
    } cases[] = {
        {"", "", "False", "False", kDefaultScriptKey, "True-CleanTest", kDefaultScriptKey},
        {"密码123", "", "True", "False", "密码123", "True-CleanTest", kDefaultScriptKey},
        {"", "混淆9", "False", "True", kDefaultScriptKey, "", "混淆9"},
        {"密码123", "混淆9", "True", "True", "密码123", "密码123", "混淆9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.encryptionId) + "/" + c.obfuscationId);
        RuleFields rule = SimpleRule();
        rule.encryptionId = c.encryptionId;
        rule.obfuscationId = c.obfuscationId;
        ASSERT_EQ(Export(rule), (std::vector<Message>{{kDone, "ZC-RulesMaker"}}));
        ExpectOnlyPackage(rule.name);

        const auto members = Members(rule.name);
        ASSERT_EQ(members.size(), 4u);
        EXPECT_EQ(members.at("Check.zcc"), "True");
        EXPECT_EQ(members.at("Member.zcc"),
                  std::string("[Basic]\r\nName=CleanTest\r\nAuthor=Zephon\r\nVersion=1.5\r\n"
                              "ProgramName=测试程序\r\nProcessName=test.exe\r\n"
                              "Type=Program\r\nSpecVer=2\r\nLockLoad=") +
                      c.lockLoad + "\r\nLockEdit=" + c.lockEdit + "\r\n");
        EXPECT_EQ(members.at("Main.zcc"), SealBytes(rule.script, c.scriptKey));
        EXPECT_EQ(UnsealBytes(members.at("Main.zcc"), c.scriptKey), rule.script);
        EXPECT_EQ(members.at("Edit.zcc"), SealBytes(c.editMarker, c.editKey));
    }
}

TEST_F(ExportPackageTest, EmptyBoxesGiveEmptyValuesZeroSpecVerAndAnEmptyMain) {
    RuleFields rule;
    rule.name = "Bare";
    rule.programName = "App";
    ASSERT_EQ(Export(rule), (std::vector<Message>{{kDone, "ZC-RulesMaker"}}));
    const auto members = Members("Bare");
    ASSERT_EQ(members.size(), 4u);
    EXPECT_EQ(members.at("Member.zcc"), "[Basic]\r\nName=Bare\r\nAuthor=\r\nVersion=\r\nProgramName=App\r\n"
                                        "ProcessName=\r\nType=Program\r\nSpecVer=0\r\nLockLoad=False\r\n"
                                        "LockEdit=False\r\n");
    EXPECT_EQ(members.at("Main.zcc"), "");
    EXPECT_EQ(members.at("Edit.zcc"), SealBytes("True-Bare", kDefaultScriptKey));
}

TEST_F(ExportPackageTest, ExportingAgainReplacesThePackage) {
    RuleFields rule = SimpleRule();
    ASSERT_EQ(Export(rule).size(), 1u);
    rule.script = "ECHO second";
    rule.author = "Other";
    ASSERT_EQ(Export(rule), (std::vector<Message>{{kDone, "ZC-RulesMaker"}}));
    ExpectOnlyPackage(rule.name);
    const auto members = Members(rule.name);
    ASSERT_EQ(members.size(), 4u);
    EXPECT_EQ(UnsealBytes(members.at("Main.zcc"), kDefaultScriptKey), "ECHO second");
    EXPECT_NE(members.at("Member.zcc").find("Author=Other\r\n"), std::string::npos);
}

TEST_F(ExportPackageTest, NamesThatCannotBeFileNamesAreRefusedBeforeAnythingIsWritten) {
    for (const char* name : {"", ".", "..", "..\\up", "a\\b", "a/b", "C:x", "C:", "CON", "nul.txt", "LPT1",
                             "a?b", "a*b", "a|b", "a<b>", "a\"b", "tab\tname", "name.", "name "}) {
        SCOPED_TRACE(name);
        const std::vector<Message> shown = Export(SimpleRule(name));
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].second, "ZC-RulesMaker");
        EXPECT_NE(shown[0].first, kDone);
        ExpectNothingWritten();
    }
}

TEST_F(ExportPackageTest, FoldersItDidNotCreateAreLeftAlone) {
    // A folder named like the rule in the program folder, and a folder in the
    // working place, each holding a file of someone else.
    CreateOneDirectory(program_ / "CleanTest");
    WriteFileBytes(program_ / "CleanTest\\keep.txt", "mine");
    WriteFileBytes(program_ / "Member.zcc", "foreign");
    // The name the export would try first for its working folder.
    const std::string taken = "ZC-RulesMaker-" + std::to_string(GetCurrentProcessId()) + "-0";
    const std::string work = work_ / taken;
    CreateOneDirectory(work);
    WriteFileBytes(work + "\\Main.zcc", "foreign");

    ASSERT_EQ(Export(SimpleRule()), (std::vector<Message>{{kDone, "ZC-RulesMaker"}}));
    EXPECT_EQ(ReadFileBytes(program_ / "CleanTest\\keep.txt"), "mine");
    EXPECT_EQ(ReadFileBytes(program_ / "Member.zcc"), "foreign");
    EXPECT_EQ(ReadFileBytes(work + "\\Main.zcc"), "foreign");
    EXPECT_EQ(testing::NamesIn(work_.Path()), Names{taken});
    const auto members = Members("CleanTest");
    ASSERT_EQ(members.size(), 4u);
    EXPECT_EQ(members.at("Main.zcc"), SealBytes(SimpleRule().script, kDefaultScriptKey));
}

TEST_F(ExportPackageTest, FailuresAreReportedAndKeepTheEarlierPackage) {
    ASSERT_EQ(Export(SimpleRule()).size(), 1u);
    const std::string earlier = ReadFileBytes(program_ / "CleanTest.zcp");
    ASSERT_FALSE(earlier.empty());

    RuleFields changed = SimpleRule();
    changed.script = "ECHO changed";
    const struct {
        const char* what;
        std::string workParent;
        std::string directory;
    } cases[] = {
        {"working folder cannot be created", work_ / "missing", program_.Path()},
        {"package folder is missing", work_.Path(), program_ / "missing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingMessages messages;
        ExportPackage(changed, c.directory, c.workParent, messages);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].second, "ZC-RulesMaker");
        EXPECT_NE(messages.shown[0].first, kDone);
        EXPECT_EQ(ReadFileBytes(program_ / "CleanTest.zcp"), earlier);
        ExpectOnlyPackage("CleanTest");
    }
}

TEST_F(ExportPackageTest, APackageThatCannotBeReplacedIsAFailureWithNoPartialFile) {
    CreateOneDirectory(program_ / "CleanTest.zcp");
    const std::vector<Message> shown = Export(SimpleRule());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].second, "ZC-RulesMaker");
    EXPECT_NE(shown[0].first, kDone);
    EXPECT_TRUE(IsDirectory(program_ / "CleanTest.zcp"));
    ExpectOnlyPackage("CleanTest");
}

} // namespace
} // namespace zc
