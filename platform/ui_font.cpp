#include "platform/ui_font.h"

namespace zc {
namespace {

int CALLBACK NoteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FontInstalled(const wchar_t* face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(query.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, NoteFontFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

HFONT CreateChineseFont() {
    const wchar_t* candidates[] = {L"Microsoft YaHei UI",  L"Microsoft YaHei",   L"SimSun",
                                   L"WenQuanYi Micro Hei", L"WenQuanYi Zen Hei", L"Noto Sans CJK SC"};
    const wchar_t* face = L"SimSun";
    for (const wchar_t* candidate : candidates) {
        if (FontInstalled(candidate)) {
            face = candidate;
            break;
        }
    }
    return CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

BOOL CALLBACK SetFontOnChild(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

} // namespace

HFONT ChineseUiFont() {
    static const HFONT font = CreateChineseFont();
    return font;
}

void ApplyChineseFont(HWND window) {
    const LPARAM font = reinterpret_cast<LPARAM>(ChineseUiFont());
    SendMessageW(window, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    EnumChildWindows(window, SetFontOnChild, font);
}

} // namespace zc

namespace zc {

LRESULT PaintStaticOnWhite(HDC context) {
    SetTextColor(context, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(context, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

} // namespace zc
