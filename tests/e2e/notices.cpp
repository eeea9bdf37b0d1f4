// The notices of the maker's web server, here a loopback server, shown on "首页".
#include "cleaner/shell/command_ids.h"
#include "tests/e2e/cleaner_session.h"
#include "tests/e2e/notice_server.h"
#include "tests/e2e/scenarios.h"
#include "tests/e2e/screenshots.h"
#include "tests/e2e/step.h"

namespace zc::e2e {

void Notices(const ScenarioFolders& folders) {
    Step("start a loopback notice server");
    NoticeServer server(ZC_E2E_NOTICE_PORT,
                        {{"/zc/acc.txt", u8"欢迎使用 Zephon Cleaner！\r\n本周公告：规则库已更新。"},
                         {"/zc/update.txt", u8"V0.1Beta：新增锁定规则的导入。"}});

    Step("start Zephon Cleaner: the notices appear on \"首页\"");
    CleanerSession cleaner(folders.cleaner, ZC_E2E_NOTICE_CLEANER_EXE);
    const auto shows = [&](int box, const std::string& text) {
        Require(
            testing::WaitUntil([&] { return testing::TextOf(cleaner.Control(box)) == text; }, kPatienceMs),
            "the box shows \"" + testing::TextOf(cleaner.Control(box)) + "\" instead of \"" + text + "\"");
    };
    shows(ids::kAnnouncement, "欢迎使用 Zephon Cleaner！\r\n本周公告：规则库已更新。");
    shows(ids::kUpdateNote, "V0.1Beta：新增锁定规则的导入。");
    Require(server.PagesServed() == 2,
            "the server answered " + std::to_string(server.PagesServed()) + " page requests");
    cleaner.WaitForStatus(kIdleStatus);
    Screenshot(cleaner.Window(), "home");

    Step("close the window");
    cleaner.Close();
}

} // namespace zc::e2e
