#include "rulesmaker/decimal_box.h"

#include "platform/window_text.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

namespace zc {
namespace {

LRESULT CALLBACK DecimalBoxProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR) {
    switch (message) {
    case WM_CHAR:
        if (!IsDecimalBoxKey(static_cast<wchar_t>(wParam))) {
            return 0;
        }
        break;
    case WM_KILLFOCUS:
        SetWindowTextGbk(edit, ShortDecimalText(GetWindowTextGbk(edit)));
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, DecimalBoxProcedure, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace

bool IsDecimalBoxKey(wchar_t character) {
    return character < L' ' || character == L'-' || character == L'.' ||
           (character >= L'0' && character <= L'9');
}

std::string ShortDecimalText(const std::string& text) {
    const float value = std::strtof(text.c_str(), nullptr);
    if (value == 0.0f) {
        return "";
    }
    char formatted[64];
    std::snprintf(formatted, sizeof(formatted), "%.6g", static_cast<double>(value));
    return formatted;
}

void MakeDecimalBox(HWND edit) {
    SetWindowSubclass(edit, DecimalBoxProcedure, 0, 0);
}

} // namespace zc
