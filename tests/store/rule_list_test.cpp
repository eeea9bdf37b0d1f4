#include "cleaner/store/registration_list.h"
#include "cleaner/store/rule_list.h"
#include "cleaner/store/store_paths.h"
#include "platform/file_system.h"
#include "platform/profile.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zc {
namespace {

class FakeCheckList : public CheckList {
  public:
    void Clear() override { items.clear(); }
    void Append(const std::string& caption) override { items.push_back({caption, false}); }
    int Count() const override { return static_cast<int>(items.size()); }
    bool IsChecked(int position) const override { return items[static_cast<size_t>(position)].checked; }
    void SetChecked(int position, bool checked) override {
        items[static_cast<size_t>(position)].checked = checked;
    }

    struct Item {
        std::string caption;
        bool checked;
    };
    std::vector<Item> items;
};

class RuleListTest : public ::testing::Test {
  protected:
    RuleListTest() { core_.CreateLayout(); }

    void Register(const std::string& name, const std::string& type, const std::string& member) {
        AppendRegistration(core_, paths::kConfigList, name);
        WriteIniValue(core_.PathOf(paths::kRules), name, "Type", type);
        CreateOneDirectory(folder_ / "Rules\\" + type + "\\" + name);
        WriteFileBytes(folder_ / "Rules\\" + type + "\\" + name + "\\Member.zcc", member);
    }
    std::string Position(int p) const {
        return ReadIniValue(core_.PathOf(paths::kListPositions), "RUNI", std::to_string(p));
    }
    std::string Switch(const std::string& name) const {
        return ReadIniValue(core_.PathOf(paths::kSum), "ProgramStatus", name);
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const auto& item : list_.items) {
            captions.push_back(item.caption);
        }
        return captions;
    }

    testing::TempFolder folder_;
    CleanerCore core_{folder_.Path()};
    testing::RecordingUserInterface ui_;
    FakeCheckList list_;
};

TEST_F(RuleListTest, ListsRemainingRulesAtConsecutivePositionsWithTheirCaptions) {
    Register("A", "Program", "[Basic]\r\nName=A\r\nAuthor=甲\r\nVersion=1.2\r\nProgramName=浏览器\r\n");
    Register("B", "Program", "[Basic]\r\nName=B\r\n");
    Register("C", "Program", "[Basic]\r\nName=C\r\nAuthor=丙\r\n");
    CancelRegistration(core_, "B");

    RefreshRuleList(core_, ui_, list_);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"[甲][1.2]A 适用于：浏览器", "[丙][]C 适用于："}));
    EXPECT_EQ(Position(0), "A");
    EXPECT_EQ(Position(1), "C");
    EXPECT_EQ(Position(2), "");
    EXPECT_EQ(ui_.statuses, (std::vector<std::string>{
                                "[系统状态]正在初始化应用程序规则列表...", "[系统状态]正在渲染选择夹...",
                                "[系统状态]正在读取基础配置...", "[系统状态]初始化完毕..."}));
}

TEST_F(RuleListTest, OtherTypesShowTheAuthorButTakeVersionAndProgramFromProgramFolder) {
    Register("S", "System", "[Basic]\r\nName=S\r\nAuthor=Sys\r\nVersion=9\r\nProgramName=X\r\n");
    RefreshRuleList(core_, ui_, list_);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"[Sys][]S 适用于："}));

    Register("P", "Program", "[Basic]\r\nName=P\r\nVersion=2\r\nProgramName=Y\r\n");
    CreateOneDirectory(folder_ / "Rules\\Program\\S");
    WriteFileBytes(folder_ / "Rules\\Program\\S\\Member.zcc", "[Basic]\r\nVersion=7\r\nProgramName=Z\r\n");
    RefreshRuleList(core_, ui_, list_);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"[Sys][7]S 适用于：Z", "[][2]P 适用于：Y"}));
}

TEST_F(RuleListTest, LineWithoutTwoMarkersIsListedWithEmptyFields) {
    core_.WriteSealedText("\r\n&&broken\r\n####\r\n", core_.PathOf(paths::kConfigList));
    RefreshRuleList(core_, ui_, list_);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"[][] 适用于："}));
    EXPECT_EQ(Position(0), "");
}

TEST_F(RuleListTest, RestoresMarksFromSwitchesAndStoresEveryListedSwitchOnChange) {
    Register("A", "Program", "[Basic]\r\nName=A\r\n");
    Register("B", "Program", "[Basic]\r\nName=B\r\n");
    Register("C", "Program", "[Basic]\r\nName=C\r\n");
    WriteIniValue(core_.PathOf(paths::kSum), "ProgramStatus", "B", "True");
    WriteIniValue(core_.PathOf(paths::kSum), "ProgramStatus", "C", "true");

    RefreshRuleList(core_, ui_, list_);
    ASSERT_EQ(list_.Count(), 3);
    EXPECT_FALSE(list_.IsChecked(0));
    EXPECT_TRUE(list_.IsChecked(1));
    EXPECT_FALSE(list_.IsChecked(2)); // only the exact "True" counts

    list_.SetChecked(0, true); // the user checks the fresh rule A
    StoreRuleSwitches(core_, list_);
    EXPECT_EQ(Switch("A"), "True");
    EXPECT_EQ(Switch("B"), "True");
    EXPECT_EQ(Switch("C"), "False");
}

TEST_F(RuleListTest, RefreshWritesPositionsWithoutClearingLongerEarlierLists) {
    Register("A", "Program", "");
    Register("B", "Program", "");
    RefreshRuleList(core_, ui_, list_);
    CancelRegistration(core_, "A");
    RefreshRuleList(core_, ui_, list_);
    EXPECT_EQ(list_.Count(), 1);
    EXPECT_EQ(Position(0), "B");
    EXPECT_EQ(Position(1), "B"); // left from the longer list; readers stay below the item count
}

} // namespace
} // namespace zc
