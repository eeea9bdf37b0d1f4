#include "cleaner/shell/main_window.h"

#include "cleaner/packages/import_package.h"
#include "cleaner/packages/load_password_window.h"
#include "cleaner/script/cleanup_run.h"
#include "cleaner/shell/command_ids.h"
#include "cleaner/shell/delete_rule_window.h"
#include "cleaner/shell/initialisation.h"
#include "cleaner/shell/status_texts.h"
#include "cleaner/net/notice_fetch.h"
#include "cleaner/store/store_paths.h"
#include "cleaner/util/timed_message_box.h"
#include "platform/file_system.h"
#include "platform/gbk.h"
#include "platform/ui_font.h"
#include "platform/window_object.h"
#include "platform/window_text.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstring>

namespace zc {
namespace {

constexpr const wchar_t* kWindowClass = L"ZephonCleanerMain";
constexpr const char* kAuthorCredit = "Zephon Cleaner 由 Zephon 团队编写";
constexpr const char* kAboutText = "Zephon CleanerV0.1Beta";
constexpr DWORD kTextBoxStyle = WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;

HMENU CreateMainMenu() {
    // The hidden items ("规则列表", "高级" with "C盘专清理", "设置" with
    // "软件设置") are never shown, so they are not added at all.
    HMENU general = CreatePopupMenu();
    AppendMenuW(general, MF_STRING, ids::kMenuImport, ToWide("加入规则").c_str());
    AppendMenuW(general, MF_STRING, ids::kMenuDelete, ToWide("删除规则").c_str());
    AppendMenuW(general, MF_STRING, ids::kMenuExit, ToWide("退出").c_str());
    HMENU about = CreatePopupMenu();
    AppendMenuW(about, MF_STRING, ids::kMenuAuthor, ToWide("作者").c_str());
    AppendMenuW(about, MF_STRING, ids::kMenuAbout, ToWide("关于软件").c_str());
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(general), ToWide("常规").c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(about), ToWide("关于").c_str());
    return bar;
}

struct CreateArguments {
    const CleanerCore* core;
    const std::string* noticeServer;
};

struct InitialisationJob {
    HWND window;
    const CleanerCore* core;
};

DWORD WINAPI InitialisationWorker(LPVOID argument) {
    const InitialisationJob job = *static_cast<InitialisationJob*>(argument);
    delete static_cast<InitialisationJob*>(argument);
    RunInitialisation(*job.core, [&job](const std::string& text) {
        // A synchronous message, so the UI thread applies the text while the worker waits.
        const std::wstring wide = ToWide(text);
        SendMessageW(GetDlgItem(job.window, ids::kStatusBar), SB_SETTEXTW, 0,
                     reinterpret_cast<LPARAM>(wide.c_str()));
    });
    return 0;
}

struct NoticeJob {
    HWND window;
    std::string server;
};

// Never waited for: when the window closes during a request, the process ends
// and takes this thread with it.
DWORD WINAPI NoticeWorker(LPVOID argument) {
    const NoticeJob job = *static_cast<NoticeJob*>(argument);
    delete static_cast<NoticeJob*>(argument);
    FetchNotices(job.server, [&job](NoticeBox box, const std::string& text) {
        const int id = box == NoticeBox::kAnnouncement ? ids::kAnnouncement : ids::kUpdateNote;
        SendMessageW(GetDlgItem(job.window, id), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(ToWide(text).c_str()));
    });
    return 0;
}

} // namespace

HWND MainWindow::Create(HINSTANCE instance, const CleanerCore& core, const std::string& noticeServer) {
    RegisterWindowClass(instance, kWindowClass, Procedure);
    const CreateArguments arguments{&core, &noticeServer};
    return CreateWindowExW(0, kWindowClass, L"Zephon Cleaner",
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 50, 50, 554, 369,
                           nullptr, CreateMainMenu(), instance, const_cast<CreateArguments*>(&arguments));
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteToWindowObject<MainWindow>(
        window, message, wParam, lParam, [](HWND created, void* parameter) {
            const auto* arguments = static_cast<const CreateArguments*>(parameter);
            return new MainWindow(created, *arguments->core, *arguments->noticeServer);
        });
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateControls();
        OnCreated();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_NOTIFY:
        OnNotify(reinterpret_cast<const NMHDR*>(lParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        return PaintStaticOnWhite(reinterpret_cast<HDC>(wParam));
    case WM_DESTROY:
        OnDestroy();
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void MainWindow::CreateControls() {
    tabs_ =
        CreateChild(window_, WC_TABCONTROLW, "", WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 552, 304, ids::kTabs);
    const char* pageNames[] = {"首页", "应用程序", "清理"};
    for (int i = 0; i < 3; ++i) {
        std::wstring name = ToWide(pageNames[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = name.data();
        SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }

    // Page controls are siblings of the tab control at page coordinates (the
    // tab control sits at 0,0); controls inside a group box are placed at the
    // group box's position plus their own.
    const DWORD text = WS_BORDER | kTextBoxStyle;
    pages_[0] = {
        CreateChild(window_, L"STATIC", "刷新仪表盘", 0, 266, 26, 62, 32, -1),
        CreateChild(window_, L"STATIC", "Zephon Cleaner", 0, 456, 24, 88, 32, -1),
        CreateChild(window_, L"BUTTON", "公告", BS_GROUPBOX, 8, 24, 248, 120, -1),
        CreateChild(window_, L"EDIT", "", text, 8 + 3, 24 + 16, 240, 96, ids::kAnnouncement,
                    WS_EX_CLIENTEDGE),
        CreateChild(window_, L"BUTTON", "更新", BS_GROUPBOX, 8, 139, 248, 120, -1),
        CreateChild(window_, L"EDIT", "", text, 8 + 3, 139 + 16, 240, 96, ids::kUpdateNote, WS_EX_CLIENTEDGE),
    };
    pages_[1] = {
        CreateChild(window_, WC_LISTVIEWW, "", LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | WS_TABSTOP,
                    8, 24, 528, 272, ids::kRuleList, WS_EX_CLIENTEDGE),
    };
    ruleList_.Attach(pages_[1][0]);
    cleanupLog_ =
        CreateChild(window_, L"EDIT", "", text, 160, 24, 384, 272, ids::kCleanupLog, WS_EX_CLIENTEDGE);
    pages_[2] = {
        cleanupLog_,
        CreateChild(window_, L"BUTTON", "", BS_GROUPBOX, 3, 27, 152, 272, -1),
        CreateChild(window_, L"BUTTON", "执行应用清理", BS_PUSHBUTTON, 3 + 5, 27 + 13, 136, 32,
                    ids::kRunCleanup),
        CreateChild(window_, L"BUTTON", "清屏", BS_PUSHBUTTON, 3 + 7, 27 + 233, 136, 32, ids::kClearLog),
    };
    for (HWND box :
         {GetDlgItem(window_, ids::kAnnouncement), GetDlgItem(window_, ids::kUpdateNote), cleanupLog_}) {
        SendMessageW(box, EM_SETLIMITTEXT, 0, 0);
    }
    SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    statusBar_ = CreateChild(window_, STATUSCLASSNAMEW, "", WS_VISIBLE, 0, 298, 548, 20, ids::kStatusBar);
    ApplyChineseFont(window_);
    ShowPage(0);
}

void MainWindow::OnCreated() {
    int width = 999;
    SendMessageW(statusBar_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&width));
    SetStatus(status::kFirst);
    SetStatus(status::kStarting);
    CloseHandle(
        CreateThread(nullptr, 0, InitialisationWorker, new InitialisationJob{window_, &core_}, 0, nullptr));
    CloseHandle(CreateThread(nullptr, 0, NoticeWorker, new NoticeJob{window_, noticeServer_}, 0, nullptr));
}

void MainWindow::OnCommand(int id) {
    switch (id) {
    case ids::kMenuDelete:
        ShowDeleteRuleWindow(window_, core_, *this);
        break;
    case ids::kMenuImport:
        ImportPackage(core_, *this);
        break;
    case ids::kMenuExit:
        DestroyWindow(window_);
        break;
    case ids::kMenuAuthor:
        ShowMessage(kAuthorCredit, "Tips");
        break;
    case ids::kMenuAbout:
        ShowMessage(kAboutText, "信息：");
        break;
    case ids::kClearLog:
        SetWindowTextW(cleanupLog_, L"");
        break;
    case ids::kRunCleanup:
        RunCleanup(core_, *this);
        break;
    default:
        break;
    }
}

void MainWindow::OnNotify(const NMHDR* header) {
    if (header->hwndFrom == tabs_) {
        const int page = static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
        if (header->code == TCN_SELCHANGE) {
            ShowPage(page);
        } else if (header->code == NM_CLICK && page == 1) {
            // Every click on the tab strip while "应用程序" is current rebuilds the list.
            RefreshRuleList(core_, *this, ruleList_);
        }
    } else if (ruleList_.IsUserCheckChange(header)) {
        StoreRuleSwitches(core_, ruleList_);
    }
}

void MainWindow::OnDestroy() {
    SetStatus(status::kClosing);
    DeleteOneFile(core_.PathOf(paths::kListPositions));
}

void MainWindow::ShowPage(int page) {
    for (int i = 0; i < 3; ++i) {
        for (HWND control : pages_[i]) {
            ShowWindow(control, i == page ? SW_SHOW : SW_HIDE);
        }
    }
}

void MainWindow::ShowMessage(const std::string& text, const std::string& caption) {
    ShowMessageBox(window_, text, caption, MB_OK);
}

void MainWindow::ShowTimedMessage(const std::string& text, const std::string& caption) {
    TimedMessageBox(text, 0, caption);
}

void MainWindow::SetStatus(const std::string& text) {
    SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(ToWide(text).c_str()));
}

void MainWindow::AppendCleanupLog(const std::string& text) {
    const int end = GetWindowTextLengthW(cleanupLog_);
    SendMessageW(cleanupLog_, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(cleanupLog_, EM_SCROLLCARET, 0, 0);
    SendMessageW(cleanupLog_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(ToWide(text).c_str()));
}

void MainWindow::CopyToClipboard(const std::string& text) {
    if (!OpenClipboard(window_)) {
        return;
    }
    EmptyClipboard();
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (void* bytes = GlobalLock(memory)) {
            std::memcpy(bytes, text.c_str(), text.size() + 1);
            GlobalUnlock(memory);
            if (SetClipboardData(CF_TEXT, memory) == nullptr) {
                GlobalFree(memory);
            }
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

std::string MainWindow::ChooseOpenFile() {
    std::wstring path(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = window_;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog)) {
        return "";
    }
    path.resize(wcslen(path.c_str()));
    return ToGbk(path);
}

void MainWindow::ShowLoadPasswordWindow() {
    RunLoadPasswordWindow(window_, core_);
}

} // namespace zc
