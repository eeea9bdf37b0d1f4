#include "cleaner/packages/load_password_window.h"

#include "platform/ui_font.h"
#include "platform/window_object.h"
#include "platform/window_text.h"

namespace zc {
namespace {

constexpr const wchar_t* kWindowClass = L"ZephonCleanerLoadPassword";
constexpr const char* kNotice =
    "本文档是由ZC-"
    "RulesMaker在制作后加密保存的文档，此文档使用了加密混淆，您可能需要密码来解编译此类文件，若无"
    "密码您将无法导入。如果您不知道密码，请询问给您这份配置文档的人。谢谢合作！";

struct WindowState {
    const CleanerCore& core;
    MessageSink show;
    bool verified = false;
};

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = AttachedState<WindowState>(window, message, lParam);
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == load_password_ids::kConfirm) {
            const std::string password = GetWindowTextGbk(GetDlgItem(window, load_password_ids::kPassword));
            state->verified = CheckLoadPassword(state->core, password, state->show) || state->verified;
        } else if (LOWORD(wParam) == load_password_ids::kCancel) {
            SendMessageW(window, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_CLOSE:
        if (!state->verified) {
            state->show("密码错误，导入失败！", "ERROR");
        }
        // The owner is enabled again before this window goes, so that it gets the focus back.
        EnableWindow(GetWindow(window, GW_OWNER), TRUE);
        DestroyWindow(window);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete state;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

HWND CreateLoadPasswordWindow(HWND owner, const CleanerCore& core, MessageSink show) {
    RegisterWindowClass(GetModuleHandleW(nullptr), kWindowClass, Procedure, COLOR_BTNFACE);
    auto* state = new WindowState{core, std::move(show)};
    HWND window =
        CreateWindowExW(0, kWindowClass, L"", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                        CW_USEDEFAULT, 395, 160, owner, nullptr, GetModuleHandleW(nullptr), state);
    if (window == nullptr) {
        delete state;
        return nullptr;
    }
    if (!state->show) {
        state->show = [window](const std::string& text, const std::string& caption) {
            ShowMessageBox(window, text, caption, MB_OK);
        };
    }
    SetWindowTextGbk(window, "载入密码限制");
    const DWORD child = WS_VISIBLE;
    CreateChild(window, L"STATIC", "请输入密码以解密文档：", child, 8, 8, 144, 32, -1);
    CreateChild(window, L"EDIT", "", child | WS_TABSTOP | ES_AUTOHSCROLL, 136, 8, 240, 32,
                load_password_ids::kPassword, WS_EX_CLIENTEDGE);
    CreateChild(window, L"BUTTON", "取消", child | WS_TABSTOP | BS_PUSHBUTTON, 8, 48, 168, 32,
                load_password_ids::kCancel);
    CreateChild(window, L"BUTTON", "确定", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 176, 48, 208, 32,
                load_password_ids::kConfirm);
    CreateChild(window, L"STATIC", kNotice, child, 3, 86, 384, 42, -1);
    ApplyChineseFont(window);
    ShowWindow(window, SW_SHOW);
    SetFocus(GetDlgItem(window, load_password_ids::kPassword));
    return window;
}

void RunLoadPasswordWindow(HWND owner, const CleanerCore& core) {
    HWND window = CreateLoadPasswordWindow(owner, core);
    if (window == nullptr) {
        return;
    }
    EnableWindow(owner, FALSE);
    MSG message;
    while (IsWindow(window)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam)); // leave the quit to the outer loop
            }
            break;
        }
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    EnableWindow(owner, TRUE);
}

} // namespace zc
