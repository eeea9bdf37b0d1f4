#include "cleaner/shell/delete_rule_window.h"

#include "cleaner/store/rule_deletion.h"
#include "platform/ui_font.h"
#include "platform/window_object.h"
#include "platform/window_text.h"

namespace zc {
namespace {

struct DeleteRuleState {
    const CleanerCore& core;
    UserInterface& ui;
    bool closed = false;
};

LRESULT CALLBACK DeleteRuleProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = AttachedState<DeleteRuleState>(window, message, lParam);
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kDeleteButton && state != nullptr) {
            DeleteRule(state->core, state->ui, GetWindowTextGbk(GetDlgItem(window, kDeleteNameBox)));
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_DESTROY:
        if (state != nullptr) {
            state->closed = true;
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

void ShowDeleteRuleWindow(HWND owner, const CleanerCore& core, UserInterface& ui) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    RegisterWindowClass(instance, kDeleteRuleWindowClass, DeleteRuleProcedure, COLOR_BTNFACE);

    DeleteRuleState state{core, ui};
    HWND window =
        CreateWindowExW(WS_EX_DLGMODALFRAME, kDeleteRuleWindowClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                        50, 50, 425, 73, owner, nullptr, instance, &state);
    if (window == nullptr) {
        return;
    }
    SetWindowTextGbk(window, "删除规则");
    CreateChild(window, L"STATIC", "删除规则名称：", WS_VISIBLE, 0, 8, 80, 24, -1);
    CreateChild(window, L"EDIT", "", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 80, 8, 256, 24, kDeleteNameBox,
                WS_EX_CLIENTEDGE);
    CreateChild(window, L"BUTTON", "删除", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 341, 4, 72, 32,
                kDeleteButton);
    ApplyChineseFont(window);

    EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    MSG message{};
    while (!state.closed && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
    if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
    }
}

} // namespace zc
