#include "cleaner/packages/load_password.h"

#include "cleaner/packages/load_pass_mark.h"
#include "cleaner/packages/load_password_window.h"
#include "cleaner/store/cleaner_core.h"
#include "platform/file_system.h"
#include "platform/profile.h"
#include "platform/window_text.h"
#include "tests/packages/package_files.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace zc {
namespace {

using testing::Messages;

const testing::ShownMessage kWrong{"密码错误，导入失败！", "ERROR"};
const testing::ShownMessage kRight{"密码正确，请重新导入即可！", "ERROR"};

class LoadPasswordTest : public ::testing::Test {
  protected:
    void SetUp() override {
        core_.CreateLayout();
        LoadPassVerified().clear();
    }

    // What an import of a locked package leaves in the unpack folder.
    void PlaceLockedRule(const std::string& name, const std::string& script, const std::string& password) {
        testing::RuleSpec rule;
        rule.name = name;
        rule.lockLoad = "True";
        rule.script = script;
        rule.scriptKey = password;
        CreateOneDirectory(folder_ / "Rules\\Temp\\temp");
        for (const ArchiveMember& member : testing::PackageMembers(rule)) {
            WriteFileBytes(folder_ / "Rules\\Temp\\temp\\" + member.name, member.bytes);
        }
    }

    bool Check(const std::string& password) { return CheckLoadPassword(core_, password, sink_); }
    std::string StoredPassword(const std::string& name) const {
        return ReadIniValue(folder_ / "Bin\\Config\\Rules.zcd", name, "LoadPass");
    }

    testing::TempFolder folder_;
    CleanerCore core_{folder_.Path()};
    Messages shown_;
    MessageSink sink_ = [this](const std::string& text, const std::string& caption) {
        shown_.emplace_back(text, caption);
    };
};

TEST_F(LoadPasswordTest, WrongPasswordsChangeNothing) {
    PlaceLockedRule("Chrome", "RMF C:\\a.txt", "secret");
    for (const char* password : {"", "Secret", "secret ", "secre"}) {
        shown_.clear();
        EXPECT_FALSE(Check(password)) << password;
        EXPECT_EQ(shown_, Messages{kWrong}) << password;
    }
    EXPECT_EQ(LoadPassVerified(), "");
    EXPECT_FALSE(FileExists(folder_ / "Bin\\Config\\Rules.zcd"));
}

TEST_F(LoadPasswordTest, RightPasswordMarksTheRuleAndStoresThePassword) {
    PlaceLockedRule("Chrome", "ECHO start\r\nRMR C:\\cache", "secret");
    EXPECT_TRUE(Check("secret"));
    EXPECT_EQ(shown_, Messages{kRight});
    EXPECT_EQ(LoadPassVerified(), "ChromePASS");
    EXPECT_EQ(StoredPassword("Chrome"), "secret");

    // A second rule replaces the mark of the first.
    PlaceLockedRule("Edge", "RML C:\\x|*.tmp", "other");
    EXPECT_TRUE(Check("other"));
    EXPECT_EQ(LoadPassVerified(), "EdgePASS");
    EXPECT_EQ(StoredPassword("Chrome"), "secret");
}

TEST_F(LoadPasswordTest, FailsWithoutAPendingPackageOrWithoutScriptCommands) {
    EXPECT_FALSE(Check("secret"));
    PlaceLockedRule("Chrome", "ECHO only\r\nGETREG x", "secret");
    EXPECT_FALSE(Check("secret"));
    EXPECT_EQ(shown_, (Messages{kWrong, kWrong}));
    EXPECT_EQ(LoadPassVerified(), "");
}

class LoadPasswordWindowTest : public LoadPasswordTest {
  protected:
    void TearDown() override {
        if (IsWindow(window_)) {
            DestroyWindow(window_);
        }
    }

    void TypeAndConfirm(const std::string& password) {
        SetWindowTextGbk(GetDlgItem(window_, load_password_ids::kPassword), password);
        SendMessageW(GetDlgItem(window_, load_password_ids::kConfirm), BM_CLICK, 0, 0);
    }

    HWND window_ = nullptr;
};

TEST_F(LoadPasswordWindowTest, ShowsItsCaptionAndControls) {
    window_ = CreateLoadPasswordWindow(nullptr, core_, sink_);
    ASSERT_NE(window_, nullptr);
    EXPECT_EQ(GetWindowTextGbk(window_), "载入密码限制");
    RECT frame{};
    GetWindowRect(window_, &frame);
    EXPECT_EQ(frame.right - frame.left, 395);
    EXPECT_EQ(frame.bottom - frame.top, 160);
    EXPECT_EQ(GetWindowTextGbk(GetDlgItem(window_, load_password_ids::kCancel)), "取消");
    EXPECT_EQ(GetWindowTextGbk(GetDlgItem(window_, load_password_ids::kConfirm)), "确定");
    HWND edit = GetDlgItem(window_, load_password_ids::kPassword);
    RECT box{};
    GetWindowRect(edit, &box);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, 136);
    EXPECT_EQ(box.top, 8);
    EXPECT_EQ(GetWindowLongW(edit, GWL_STYLE) & ES_PASSWORD, 0) << "the password is shown in clear";
}

TEST_F(LoadPasswordWindowTest, WrongThenRightPasswordAndClosingAfterSuccessSaysNothingWrong) {
    PlaceLockedRule("Chrome", "RMF C:\\a.txt", "secret");
    window_ = CreateLoadPasswordWindow(nullptr, core_, sink_);
    ASSERT_NE(window_, nullptr);
    TypeAndConfirm("wrong");
    EXPECT_TRUE(IsWindow(window_)) << "the window stays open for another try";
    TypeAndConfirm("secret");
    TypeAndConfirm("wrong again");
    EXPECT_EQ(LoadPassVerified(), "ChromePASS");
    SendMessageW(GetDlgItem(window_, load_password_ids::kCancel), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(shown_, (Messages{kWrong, kRight, kWrong}));
    EXPECT_EQ(StoredPassword("Chrome"), "secret");
}

TEST_F(LoadPasswordWindowTest, ClosingWithoutASuccessfulCheckSaysTheImportFailed) {
    PlaceLockedRule("Chrome", "RMF C:\\a.txt", "secret");
    window_ = CreateLoadPasswordWindow(nullptr, core_, sink_);
    TypeAndConfirm("wrong");
    SendMessageW(window_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(shown_, (Messages{kWrong, kWrong}));

    shown_.clear();
    window_ = CreateLoadPasswordWindow(nullptr, core_, sink_);
    SendMessageW(GetDlgItem(window_, load_password_ids::kCancel), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(shown_, Messages{kWrong});
}

TEST_F(LoadPasswordWindowTest, OwnerIsEnabledAgainWhenTheWindowCloses) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                 nullptr, nullptr);
    window_ = CreateLoadPasswordWindow(owner, core_, sink_);
    EnableWindow(owner, FALSE);
    SendMessageW(window_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

} // namespace
} // namespace zc
