#include "rulesmaker/maker_window.h"

#include "platform/gbk.h"
#include "platform/ui_font.h"
#include "platform/window_object.h"
#include "platform/window_text.h"
#include "rulesmaker/control_ids.h"
#include "rulesmaker/decimal_box.h"
#include "rulesmaker/tutorial_text.h"

#include <commctrl.h>

namespace zc {
namespace {

constexpr const wchar_t* kWindowClass = L"ZephonRulesMakerMain";
constexpr DWORD kBoxStyle = WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kLabelStyle = SS_LEFT | SS_CENTERIMAGE;

struct CreationPlaces {
    std::string programDirectory;
    std::string workParent;
};

// One line of a group box: a label at (labelX, y) and its edit box at
// (boxX, y), both given relative to the group box at (groupX, groupY).
struct LabelledBox {
    const char* label;
    int labelX;
    int boxX;
    int y;
    int id;
};

} // namespace

HWND MakerWindow::Create(HINSTANCE instance, const std::string& programDirectory,
                         const std::string& workParent) {
    RegisterWindowClass(instance, kWindowClass, Procedure);
    CreationPlaces places{programDirectory, workParent};
    return CreateWindowExW(0, kWindowClass, L"Zephon Cleaner Rules Maker",
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 50, 50, 694, 445,
                           nullptr, nullptr, instance, &places);
}

LRESULT CALLBACK MakerWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteToWindowObject<MakerWindow>(
        window, message, wParam, lParam, [](HWND created, void* parameter) {
            const auto* places = static_cast<CreationPlaces*>(parameter);
            return new MakerWindow(created, places->programDirectory, places->workParent);
        });
}

LRESULT MakerWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateControls();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == maker_ids::kExport && HIWORD(wParam) == BN_CLICKED) {
            ExportPackage(Fields(), programDirectory_, workParent_, *this);
        }
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->idFrom == static_cast<UINT_PTR>(maker_ids::kTabs) && header->code == TCN_SELCHANGE) {
            ShowPage(static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        return PaintStaticOnWhite(reinterpret_cast<HDC>(wParam));
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void MakerWindow::CreateControls() {
    tabs_ = CreateChild(window_, WC_TABCONTROLW, "", WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 688, 416,
                        maker_ids::kTabs);
    const char* pageNames[] = {"应用程序", "教程"};
    for (int i = 0; i < 2; ++i) {
        std::wstring name = ToWide(pageNames[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = name.data();
        SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }

    // Page controls are siblings of the tab control (at 0,0) placed at page
    // coordinates; a group box's controls at its position plus their own.
    std::vector<HWND>& rule = pages_[0];
    const auto addGroup = [&](const char* caption, int x, int y, int width, int height,
                              std::initializer_list<LabelledBox> boxes) {
        rule.push_back(CreateChild(window_, L"BUTTON", caption, BS_GROUPBOX, x, y, width, height, -1));
        for (const LabelledBox& box : boxes) {
            rule.push_back(CreateChild(window_, L"STATIC", box.label, kLabelStyle, x + box.labelX, y + box.y,
                                       box.boxX - box.labelX, 24, -1));
            rule.push_back(CreateChild(window_, L"EDIT", "", kBoxStyle, x + box.boxX, y + box.y, 112, 24,
                                       box.id, WS_EX_CLIENTEDGE));
        }
    };
    addGroup("基本信息", 8, 24, 184, 168,
             {{"规则名称:", 9, 64, 13, maker_ids::kName},
              {"作者名称:", 8, 63, 40, maker_ids::kAuthor},
              {"版本编号:", 8, 63, 72, maker_ids::kVersion},
              {"特定版本:", 8, 63, 104, maker_ids::kSpecVer}});
    rule.push_back(CreateChild(window_, L"STATIC", "特定版本是针对特定ZC引擎而定", SS_LEFT, 8 + 8, 24 + 134,
                               168, 24, -1));
    addGroup("应用程序", 8, 200, 184, 208,
             {{"应用程序:", 8, 63, 17, maker_ids::kProgramName},
              {"主进程名:", 8, 63, 40, maker_ids::kProcessName},
              {"加密编号:", 8, 63, 64, maker_ids::kEncryptionId},
              {"混淆编号:", 9, 64, 88, maker_ids::kObfuscationId}});
    rule.push_back(
        CreateChild(window_, L"STATIC",
                    "若加密编号为空，则打开对应规则不需要经过认证，若填写加密编号，则规则会加密以阻止登入，"
                    "但是ZC程序可以识别。若填写混淆编号，则规则不能被ZC导入，需要填写对应的混淆编号",
                    SS_LEFT, 8 + 8, 200 + 120, 168, 88, -1));
    addGroup("规则编写", 200, 24, 480, 336, {});
    rule.push_back(CreateChild(window_, L"EDIT", "",
                               WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                               200 + 8, 24 + 16, 456, 304, maker_ids::kScript, WS_EX_CLIENTEDGE));
    rule.push_back(
        CreateChild(window_, L"STATIC", "除应用程序需要填写外，其余均可空", SS_LEFT, 359, 379, 210, 24, -1));
    rule.push_back(CreateChild(window_, L"BUTTON", "导出", WS_TABSTOP | BS_PUSHBUTTON, 558, 375, 120, 32,
                               maker_ids::kExport));

    pages_[1] = {CreateChild(window_, L"EDIT", kTutorialText, ES_MULTILINE | ES_READONLY, 8, 24, 672, 384,
                             maker_ids::kTutorial, WS_EX_CLIENTEDGE)};

    for (int id : {maker_ids::kName, maker_ids::kAuthor, maker_ids::kVersion, maker_ids::kSpecVer,
                   maker_ids::kProgramName, maker_ids::kProcessName, maker_ids::kEncryptionId,
                   maker_ids::kObfuscationId, maker_ids::kScript}) {
        SendMessageW(GetDlgItem(window_, id), EM_SETLIMITTEXT, 0, 0);
    }
    MakeDecimalBox(GetDlgItem(window_, maker_ids::kVersion));
    MakeDecimalBox(GetDlgItem(window_, maker_ids::kSpecVer));
    SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ApplyChineseFont(window_);
    ShowPage(0);
}

void MakerWindow::ShowPage(int page) {
    for (int i = 0; i < 2; ++i) {
        for (HWND control : pages_[i]) {
            ShowWindow(control, i == page ? SW_SHOW : SW_HIDE);
        }
    }
}

std::string MakerWindow::BoxText(int id) const {
    return GetWindowTextGbk(GetDlgItem(window_, id));
}

RuleFields MakerWindow::Fields() const {
    RuleFields fields;
    fields.name = BoxText(maker_ids::kName);
    fields.author = BoxText(maker_ids::kAuthor);
    fields.version = BoxText(maker_ids::kVersion);
    fields.specVer = BoxText(maker_ids::kSpecVer);
    fields.programName = BoxText(maker_ids::kProgramName);
    fields.processName = BoxText(maker_ids::kProcessName);
    fields.encryptionId = BoxText(maker_ids::kEncryptionId);
    fields.obfuscationId = BoxText(maker_ids::kObfuscationId);
    fields.script = BoxText(maker_ids::kScript);
    return fields;
}

void MakerWindow::ShowMessage(const std::string& text, const std::string& caption) {
    ShowMessageBox(window_, text, caption, MB_OK);
}

} // namespace zc
