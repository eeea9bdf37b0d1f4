#include "cleaner/packages/import_package.h"

#include "cleaner/packages/load_pass_mark.h"
#include "cleaner/packages/load_password.h"
#include "cleaner/store/cleaner_core.h"
#include "common/rule_package.h"
#include "platform/file_system.h"
#include "platform/profile.h"
#include "tests/common/zip_fixture.h"
#include "tests/packages/package_files.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zc {
namespace {

using testing::Messages;
using testing::PackageBytes;
using testing::PackageMembers;
using testing::RuleSpec;

const testing::ShownMessage kNotAPackage{"请选择以.zcp结尾的ZC-Rules文件", "Error"};
const testing::ShownMessage kDamaged{"该配置文件已损坏，若多次导入均报错则说明文件彻底损坏", "Error"};
const testing::ShownMessage kUnusableName{"该配置文件的规则名称或类型不能用作文件夹名，已拒绝导入！",
                                          "Error"};
const testing::ShownMessage kDuplicate{"该配置文件在库中同名配置文件，已拒绝导入！", "Error"};
const testing::ShownMessage kPasswordNeeded{"请在接下来的窗口中提供密码\r\n输入密码后请重新导入！", "Tips"};
const testing::ShownMessage kPasswordVerified{"已验证密码，单击确定继续导入！", "Tips"};
const testing::ShownMessage kImported{"已导入！", "Error"};

class ImportPackageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        core_.CreateLayout();
        CreateOneDirectory(folder_ / "in");
        LoadPassVerified().clear();
    }

    std::string Place(const std::string& fileName, const std::string& bytes) {
        const std::string path = folder_ / "in\\" + fileName;
        WriteFileBytes(path, bytes);
        return path;
    }

    Messages Import(const std::string& path) {
        ui_.messages.clear();
        ui_.chosenFile = path;
        ImportPackage(core_, ui_);
        return ui_.messages;
    }

    Messages ImportRule(const RuleSpec& rule) {
        return Import(Place(rule.name + ".zcp", PackageBytes(rule)));
    }

    std::string Registrations() const { return core_.ReadSealedText(folder_ / "Bin\\Config\\Config.zcd"); }
    std::string ProgramRegistrations() const {
        return core_.ReadSealedText(folder_ / "Bin\\Config\\ConfigProgram.zcd");
    }
    std::string RulesValue(const std::string& section, const std::string& key) const {
        return ReadIniValue(folder_ / "Bin\\Config\\Rules.zcd", section, key);
    }

    testing::TempFolder folder_;
    CleanerCore core_{folder_.Path()};
    testing::RecordingUserInterface ui_;
};

TEST_F(ImportPackageTest, RefusesACancelledDialogAndOtherExtensions) {
    const std::string valid = PackageBytes(RuleSpec{});
    const std::string paths[] = {"", Place("Chrome.ZCP", valid), Place("Chrome.Zcp", valid),
                                 Place("Chrome.zip", SealBytes("x", kPackageKey)), Place("Chrome.zc", valid)};
    const auto before = testing::TreeOf(folder_.Path());
    for (const std::string& path : paths) {
        EXPECT_EQ(Import(path), Messages{kNotAPackage}) << path;
        EXPECT_EQ(testing::TreeOf(folder_.Path()), before) << path;
    }
}

TEST_F(ImportPackageTest, DamagedPackagesLeaveNoTraces) {
    const std::string valid = PackageBytes(RuleSpec{});
    std::vector<ArchiveMember> lowerCaseMarker = PackageMembers(RuleSpec{});
    lowerCaseMarker[0].bytes = "true";
    std::vector<ArchiveMember> markerWithBreak = PackageMembers(RuleSpec{});
    markerWithBreak[0].bytes = "True\r\n";
    std::vector<ArchiveMember> noMarker = PackageMembers(RuleSpec{});
    noMarker.erase(noMarker.begin());
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"plain text", "[Basic]\r\nName=Chrome\r\n"},
        {"zero bytes", ""},
        {"sealed under another key", SealBytes(BuildZipArchive(PackageMembers(RuleSpec{})), kSettingsKey)},
        {"truncated seal", valid.substr(0, valid.size() - 8)},
        {"seal cut inside a block", valid.substr(0, valid.size() - 3)},
        {"unsealed archive", BuildZipArchive(PackageMembers(RuleSpec{}))},
        {"marker in lower case", SealPackage(lowerCaseMarker)},
        {"marker with a line break", SealPackage(markerWithBreak)},
        {"no marker", SealPackage(noMarker)},
    };
    const auto before = testing::TreeOf(folder_.Path());
    for (const Case& c : cases) {
        const std::string path = Place("p.zcp", c.bytes);
        auto expected = before;
        expected["in\\p.zcp"] = c.bytes;
        EXPECT_EQ(Import(path), Messages{kDamaged}) << c.what;
        EXPECT_EQ(testing::TreeOf(folder_.Path()), expected) << c.what;
        EXPECT_FALSE(FileExists(folder_ / "Rules\\Temp\\temp")) << c.what;
    }
}

TEST_F(ImportPackageTest, FirstImportRegistersTheRuleAndCopiesItsTwoFiles) {
    const RuleSpec rule;
    const std::string package = PackageBytes(rule);
    EXPECT_EQ(Import(Place("Chrome.zcp", package)), Messages{kImported});

    EXPECT_EQ(Registrations(), "\r\n&&Chrome&&");
    EXPECT_EQ(ProgramRegistrations(), "\r\n&&Chrome&&");
    EXPECT_EQ(ReadIniValue(folder_ / "Bin\\Config\\Sum.zcd", "Program", "Number"), "1");
    EXPECT_EQ(RulesValue("Chrome", "Type"), "Program");
    EXPECT_EQ(ReadFileBytes(folder_ / "Rules\\Bukkit\\Chrome.zcp"), package);
    EXPECT_EQ(testing::NamesIn(folder_ / "Rules\\Program\\Chrome"),
              (std::vector<std::string>{"Main.zcc", "Member.zcc"}));
    EXPECT_EQ(ReadFileBytes(folder_ / "Rules\\Program\\Chrome\\Member.zcc"), PackageMembers(rule)[3].bytes);
    EXPECT_EQ(ReadFileBytes(folder_ / "Rules\\Program\\Chrome\\Main.zcc"), PackageMembers(rule)[2].bytes);
    EXPECT_EQ(core_.ReadRuleScript("Chrome"), rule.script);
    EXPECT_EQ(testing::NamesIn(folder_ / "Rules\\Temp"), std::vector<std::string>{});

    RuleSpec second;
    second.name = "Edge";
    EXPECT_EQ(ImportRule(second), Messages{kImported});
    EXPECT_EQ(Registrations(), "\r\n&&Chrome&&\r\n&&Edge&&");
    EXPECT_EQ(ReadIniValue(folder_ / "Bin\\Config\\Sum.zcd", "Program", "Number"), "2");
}

TEST_F(ImportPackageTest, ExtraMembersStayOutOfTheRuleFolder) {
    std::vector<ArchiveMember> members = PackageMembers(RuleSpec{});
    members.push_back({"Extra.txt", "extra"});
    members.push_back({"sub/inner.txt", "inner"});
    EXPECT_EQ(Import(Place("Chrome.zcp", SealPackage(members))), Messages{kImported});
    EXPECT_EQ(testing::NamesIn(folder_ / "Rules\\Program\\Chrome"),
              (std::vector<std::string>{"Main.zcc", "Member.zcc"}));
    EXPECT_FALSE(FileExists(folder_ / "Rules\\Temp\\temp"));
}

TEST_F(ImportPackageTest, RefusesNamesThatOccurInTheRegistrationList) {
    RuleSpec registered;
    registered.name = "ChromeCache";
    ASSERT_EQ(ImportRule(registered), Messages{kImported});
    const auto before = testing::TreeOf(folder_.Path());
    for (const char* name : {"ChromeCache", "Chrome", "Cache", "e"}) {
        RuleSpec rule;
        rule.name = name;
        const std::string path = Place("dup.zcp", PackageBytes(rule));
        auto expected = before;
        expected["in\\dup.zcp"] = ReadFileBytes(path);
        EXPECT_EQ(Import(path), Messages{kDuplicate}) << name;
        EXPECT_EQ(testing::TreeOf(folder_.Path()), expected) << name;
    }
}

TEST_F(ImportPackageTest, EveryForbiddenCharacterInNameOrTypeIsRefused) {
    // Line breaks are left out: inside Member.zcc they end the value instead.
    std::string forbidden = "<>:\"/\\|?*\x7f";
    for (char c = 1; c < 0x20; ++c) {
        if (c != '\r' && c != '\n') {
            forbidden += c;
        }
    }
    const auto before = testing::TreeOf(folder_.Path());
    for (const char c : forbidden) {
        RuleSpec badName;
        badName.name = std::string("a") + c + "b";
        RuleSpec badType;
        badType.type = std::string("Pro") + c + "gram";
        for (const RuleSpec& rule : {badName, badType}) {
            const std::string path = Place("bad.zcp", PackageBytes(rule));
            auto expected = before;
            expected["in\\bad.zcp"] = ReadFileBytes(path);
            EXPECT_EQ(Import(path), Messages{kUnusableName}) << static_cast<int>(c);
            EXPECT_EQ(testing::TreeOf(folder_.Path()), expected) << static_cast<int>(c);
        }
    }
}

TEST_F(ImportPackageTest, SystemRuleIsRegisteredWithoutTheProgramLists) {
    RuleSpec rule;
    rule.name = "Logs";
    rule.type = "System";
    EXPECT_EQ(ImportRule(rule), Messages{kImported});
    EXPECT_EQ(Registrations(), "\r\n&&Logs&&");
    EXPECT_FALSE(FileExists(folder_ / "Bin\\Config\\ConfigProgram.zcd"));
    EXPECT_FALSE(FileExists(folder_ / "Bin\\Config\\Sum.zcd"));
    EXPECT_EQ(RulesValue("Logs", "Type"), "System");
    EXPECT_EQ(testing::NamesIn(folder_ / "Rules\\System\\Logs"),
              (std::vector<std::string>{"Main.zcc", "Member.zcc"}));
}

TEST_F(ImportPackageTest, TypeWithoutAFolderIsRegisteredButNotCopied) {
    RuleSpec rule;
    rule.type = "Custom";
    EXPECT_EQ(ImportRule(rule), Messages{kImported});
    EXPECT_EQ(Registrations(), "\r\n&&Chrome&&");
    EXPECT_EQ(RulesValue("Chrome", "Type"), "Custom");
    EXPECT_FALSE(FileExists(folder_ / "Rules\\Custom"));
    EXPECT_FALSE(FileExists(folder_ / "Rules\\Temp\\temp"));
}

TEST_F(ImportPackageTest, LockedRuleNeedsItsPasswordOnceAndRunsWithIt) {
    RuleSpec rule;
    rule.lockLoad = "True";
    rule.scriptKey = "my secret";
    const std::string path = Place("Chrome.zcp", PackageBytes(rule));
    Messages checks;
    ui_.onPasswordWindow = [&] {
        // The window reads the waiting package from the unpack folder.
        EXPECT_TRUE(FileExists(folder_ / "Rules\\Temp\\temp\\Main.zcc"));
        const MessageSink record = [&](const std::string& text, const std::string& caption) {
            checks.emplace_back(text, caption);
        };
        EXPECT_FALSE(CheckLoadPassword(core_, "wrong", record));
        EXPECT_TRUE(CheckLoadPassword(core_, "my secret", record));
    };

    EXPECT_EQ(Import(path), Messages{kPasswordNeeded});
    EXPECT_EQ(ui_.passwordWindows, 1);
    EXPECT_EQ(checks, (Messages{{"密码错误，导入失败！", "ERROR"}, {"密码正确，请重新导入即可！", "ERROR"}}));
    EXPECT_EQ(Registrations(), "");
    EXPECT_FALSE(FileExists(folder_ / "Rules\\Program\\Chrome"));
    EXPECT_EQ(LoadPassVerified(), "ChromePASS");
    EXPECT_EQ(RulesValue("Chrome", "LoadPass"), "my secret");

    EXPECT_EQ(Import(path), (Messages{kPasswordVerified, kImported}));
    EXPECT_EQ(ui_.passwordWindows, 1);
    EXPECT_EQ(Registrations(), "\r\n&&Chrome&&");
    EXPECT_EQ(core_.ReadRuleScript("Chrome"), rule.script);
    EXPECT_FALSE(FileExists(folder_ / "Rules\\Temp\\temp"));

    EXPECT_EQ(Import(path), Messages{kDuplicate});
}

TEST_F(ImportPackageTest, PasswordOfOneRuleDoesNotOpenAnother) {
    LoadPassVerified() = "ChromePASS";
    RuleSpec other;
    other.name = "Edge";
    other.lockLoad = "True";
    other.scriptKey = "edge key";
    EXPECT_EQ(ImportRule(other), Messages{kPasswordNeeded});
    EXPECT_EQ(ui_.passwordWindows, 1);
    EXPECT_EQ(Registrations(), "");
}

TEST_F(ImportPackageTest, EveryExtractionStartsFromAnEmptyUnpackFolder) {
    RuleSpec locked;
    locked.lockLoad = "True";
    ASSERT_EQ(ImportRule(locked), Messages{kPasswordNeeded});
    ASSERT_TRUE(FileExists(folder_ / "Rules\\Temp\\temp\\Check.zcc"));
    // A package that unpacks to nothing must not be judged by the files left behind.
    EXPECT_EQ(Import(Place("broken.zcp", "not a package")), Messages{kDamaged});
    EXPECT_EQ(Registrations(), "");
    EXPECT_FALSE(FileExists(folder_ / "Rules\\Temp\\temp"));
}

std::string Repeated(const std::string& part, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += part;
    }
    return text;
}

TEST_F(ImportPackageTest, HostilePackagesWriteNothingAndRegisterNothing) {
    CreateOneDirectory(folder_ / "outside");
    const std::string climb = Repeated("../", 3); // from Rules\Temp\temp up to the library folder
    std::string absolute = folder_ / "outside\\absolute.txt";
    for (char& c : absolute) {
        c = c == '\\' ? '/' : c;
    }
    auto withMember = [](const std::string& name, const std::string& bytes) {
        std::vector<ArchiveMember> members = PackageMembers(RuleSpec{});
        members.push_back({name, bytes});
        return SealPackage(members);
    };
    auto withRule = [](const std::string& name, const std::string& type) {
        RuleSpec rule;
        rule.name = name;
        rule.type = type;
        return PackageBytes(rule);
    };
    auto storedWithMember = [](const std::string& name) {
        std::vector<testing::StoredMember> members;
        for (const ArchiveMember& member : PackageMembers(RuleSpec{})) {
            members.push_back({member.name, member.bytes});
        }
        members.push_back({name, "evil"});
        return SealBytes(testing::StoredZipArchive(members), kPackageKey);
    };
    const std::string valid = PackageBytes(RuleSpec{});
    struct Case {
        const char* what;
        std::string bytes;
        testing::ShownMessage message;
    };
    const Case cases[] = {
        {"zip slip", withMember(climb + "outside/slip.txt", "evil"), kDamaged},
        {"zip slip through a subfolder", withMember("sub/" + climb + "../outside/slip.txt", "evil"),
         kDamaged},
        {"zip slip with backslashes", storedWithMember("..\\..\\..\\outside\\slip.txt"), kDamaged},
        {"absolute name", withMember(absolute, "evil"), kDamaged},
        {"rooted name", storedWithMember("/outside/rooted.txt"), kDamaged},
        {"drive name", storedWithMember("C:evil.txt"), kDamaged},
        {"device name", withMember("CON", "evil"), kDamaged},
        {"huge member", withMember("huge.bin", std::string((64u << 20) + 1, '\0')), kDamaged},
        {"truncated seal", valid.substr(0, valid.size() / 2), kDamaged},
        {"zero bytes", "", kDamaged},
        {"name climbing out", withRule("..\\..\\outside", "Program"), kUnusableName},
        {"name with a slash", withRule("a/b", "Program"), kUnusableName},
        {"name dot dot", withRule("..", "Program"), kUnusableName},
        {"empty name", withRule("", "Program"), kUnusableName},
        {"name with a drive", withRule("C:evil", "Program"), kUnusableName},
        {"name with a forbidden character", withRule("a*b", "Program"), kUnusableName},
        {"device name as name", withRule("NUL.txt", "Program"), kUnusableName},
        {"name with a trailing dot", withRule("Chrome.", "Program"), kUnusableName},
        {"type climbing out", withRule("Chrome", "..\\..\\outside"), kUnusableName},
        {"type dot dot", withRule("Chrome", ".."), kUnusableName},
        {"empty type", withRule("Chrome", ""), kUnusableName},
        {"type with a separator", withRule("Chrome", "Program\\sub"), kUnusableName},
        {"device name as type", withRule("Chrome", "com1"), kUnusableName},
        {"unpack folder as rule folder", withRule("temp", "Temp"), kUnusableName},
        {"package copies as type", withRule("Chrome", "bukkit"), kUnusableName},
    };
    const auto before = testing::TreeOf(folder_.Path());
    for (const Case& c : cases) {
        const std::string path = Place("hostile.zcp", c.bytes);
        auto expected = before;
        expected["in\\hostile.zcp"] = c.bytes;
        EXPECT_EQ(Import(path), Messages{c.message}) << c.what;
        EXPECT_EQ(testing::TreeOf(folder_.Path()), expected) << c.what;
        DeleteOneFile(path);
    }
}

} // namespace
} // namespace zc
