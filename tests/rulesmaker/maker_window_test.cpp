// The maker's window created in the test process: layout, tutorial and the
// decimal-number boxes.
#include "rulesmaker/control_ids.h"
#include "rulesmaker/maker_window.h"
#include "platform/gbk.h"
#include "platform/window_text.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <string>

namespace zc {
namespace {

class MakerWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        window_ = MakerWindow::Create(GetModuleHandleW(nullptr), program_.Path(), work_.Path());
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(window_)) {
            DestroyWindow(window_);
        }
    }
    HWND Box(int id) const { return GetDlgItem(window_, id); }
    std::string TextOf(int id) const { return GetWindowTextGbk(Box(id)); }
    void Type(int id, const std::string& keys) const {
        for (wchar_t key : ToWide(keys)) {
            SendMessageW(Box(id), WM_CHAR, key, 1);
        }
    }
    std::string AfterLeaving(int id, const std::string& text) const {
        SetWindowTextGbk(Box(id), text);
        SendMessageW(Box(id), WM_KILLFOCUS, 0, 0);
        return TextOf(id);
    }
    RECT PlaceOf(int id) const {
        RECT rect{};
        GetWindowRect(Box(id), &rect);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    testing::TempFolder program_;
    testing::TempFolder work_;
    HWND window_ = nullptr;
};

TEST_F(MakerWindowTest, CaptionPagesButtonAndPlaces) {
    EXPECT_EQ(GetWindowTextGbk(window_), "Zephon Cleaner Rules Maker");
    RECT frame{};
    GetWindowRect(window_, &frame);
    EXPECT_EQ(frame.right - frame.left, 694);
    EXPECT_EQ(frame.bottom - frame.top, 445);

    EXPECT_EQ(testing::TabTexts(Box(maker_ids::kTabs)), (std::vector<std::string>{"应用程序", "教程"}));
    EXPECT_EQ(TextOf(maker_ids::kExport), "导出");

    const struct {
        int id;
        RECT place;
    } places[] = {
        {maker_ids::kName, {8 + 64, 24 + 13, 8 + 64 + 112, 24 + 13 + 24}},
        {maker_ids::kSpecVer, {8 + 63, 24 + 104, 8 + 63 + 112, 24 + 104 + 24}},
        {maker_ids::kObfuscationId, {8 + 64, 200 + 88, 8 + 64 + 112, 200 + 88 + 24}},
        {maker_ids::kScript, {208, 40, 208 + 456, 40 + 304}},
        {maker_ids::kExport, {558, 375, 558 + 120, 375 + 32}},
        {maker_ids::kTutorial, {8, 24, 8 + 672, 24 + 384}},
    };
    for (const auto& p : places) {
        const RECT actual = PlaceOf(p.id);
        EXPECT_TRUE(EqualRect(&actual, &p.place)) << p.id << ": " << actual.left << "," << actual.top;
    }
}

TEST_F(MakerWindowTest, TutorialPageShowsTheGuideReadOnly) {
    const std::string tutorial = TextOf(maker_ids::kTutorial);
    EXPECT_EQ(tutorial.size(), 583u);
    EXPECT_EQ(tutorial.compare(0, 20, "这是一个简单的教程："), 0);
    EXPECT_NE(tutorial.find("\r\n正则删除：RML [路径，不加\\] [正则文件] [是否删除子目录内的True/False]\r\n"),
              std::string::npos);
    EXPECT_NE(tutorial.find("\r\n变量：使用%%[名字]%%，内置%%USER%%表示当前电脑的用户名\r\n"),
              std::string::npos);
    EXPECT_EQ(tutorial.substr(tutorial.size() - 51),
              "RML C:\\Windows\\%%USER%%\\AppData\\Roming *.* True\r\n\r\n");
    const LONG style = GetWindowLongW(Box(maker_ids::kTutorial), GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_FALSE(style & (WS_VSCROLL | WS_HSCROLL));
    EXPECT_FALSE(IsWindowVisible(Box(maker_ids::kTutorial)));
}

TEST_F(MakerWindowTest, DecimalBoxesTakeOnlyNumberKeys) {
    for (int id : {maker_ids::kVersion, maker_ids::kSpecVer}) {
        Type(id, "1a2.,5 x-e9");
        EXPECT_EQ(TextOf(id), "12.5-9") << id;
        Type(id, "\b\b");
        EXPECT_EQ(TextOf(id), "12.5") << id;
    }
    Type(maker_ids::kName, "Ab1.");
    EXPECT_EQ(TextOf(maker_ids::kName), "Ab1.");
}

TEST_F(MakerWindowTest, DecimalBoxesRewriteTheirNumberOnLeaving) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"1.50", "1.5"},
        {"0", ""},
        {"-0.0", ""},
        {"", ""},
        {"-", ""},
        {"3.14159265", "3.14159"},
        {"-2.25", "-2.25"},
        {"0.1", "0.1"},
        {"1234567", "1.23457e+06"},
        {"16777217", "1.67772e+07"},
        {"007", "7"},
        {"1.2.3", "1.2"},
    };
    for (int id : {maker_ids::kVersion, maker_ids::kSpecVer}) {
        for (const auto& c : cases) {
            EXPECT_EQ(AfterLeaving(id, c.typed), c.shown) << id << ": " << c.typed;
        }
    }
    EXPECT_EQ(AfterLeaving(maker_ids::kAuthor, "1.50"), "1.50");
}

} // namespace
} // namespace zc
