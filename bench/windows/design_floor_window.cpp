// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// The second floor: a bare Win32 window showing what the calculator's first frame shows, the
// controls of the window, the band frame and the front tab at their places, with the high band's
// units, in fonts of the design's styles, and nothing behind them: no handlers, no key rule, no
// accessibility, no hidden tabs, no dpi changes.
#include "window_behaviour.h"
#include "window_design.h"

#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <string>
#include <string_view>

using namespace window_design;

namespace {

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring widen(std::string_view text)
{
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

int px(int twips)
{
    return window_behaviour::pixels(twips, 96);
}

HFONT fontOf(Font font, const wchar_t *songFace)
{
    const FontStyle style = fontStyle(font);
    return CreateFontW(-static_cast<int>(std::lround(style.pointSize * 96 / 72)), 0, 0, 0,
                       style.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0,
                       style.song ? songFace : L"");
}

// 宋体, or where the system has none (Wine), the Song face the calculator finds there.
const wchar_t *songFace()
{
    HFONT font = fontOf(Song, L"宋体");
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    wchar_t face[LF_FACESIZE]{};
    GetTextFaceW(screen, LF_FACESIZE, face);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return std::wstring_view(face) == L"宋体" ? L"宋体" : L"Noto Serif CJK SC";
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int showCommand)
{
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WndProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    windowClass.lpszClassName = L"design floor";
    RegisterClassExW(&windowClass);
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, px(kClientWidth), px(kClientHeight)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    HWND window
        = CreateWindowExW(0, L"design floor", widen(kTitle).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                          frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    const wchar_t *song = songFace();
    std::array<HFONT, 4> fonts{fontOf(UiFont, song), fontOf(Song, song), fontOf(SongBold, song),
                               fontOf(SongLarge, song)};
    const auto flag = window_behaviour::bandFlagFor(true);
    POINT frameOrigin{};
    POINT tabOrigin{};
    for (const Control &control : kControls) {
        if (!window_behaviour::inFirstFrame(control))
            continue;
        const wchar_t *className = L"STATIC";
        DWORD style = 0;
        switch (control.kind) {
        case Frame:
            className = L"BUTTON", style = BS_GROUPBOX;
            break;
        case Option:
            className = L"BUTTON", style = BS_AUTORADIOBUTTON;
            break;
        case Tabs:
            className = WC_TABCONTROLW, style = WS_CLIPSIBLINGS;
            break;
        case Label:
        case Result:
            break;
        case TextBox:
            className = L"EDIT", style = ES_AUTOHSCROLL | WS_BORDER;
            break;
        case Button:
            className = L"BUTTON", style = BS_PUSHBUTTON;
            break;
        }
        const POINT origin = control.container == Frame1 ? frameOrigin
            : control.container == Window                ? POINT{}
                                                         : tabOrigin;
        HWND made
            = CreateWindowExW(0, className, widen(window_behaviour::captionFor(control, flag)).c_str(),
                              WS_CHILD | WS_VISIBLE | style, origin.x + px(control.left), origin.y + px(control.top),
                              px(control.width), px(control.height), window, nullptr, instance, nullptr);
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.at(static_cast<int>(control.font))), FALSE);
        if (control.kind == Frame)
            frameOrigin = {px(control.left), px(control.top)};
        if (control.kind == Option && control.name == std::string_view(kSelectedAtStart))
            SendMessageW(made, BM_SETCHECK, BST_CHECKED, 0);
        if (control.kind == Tabs) {
            tabOrigin = {px(control.left), px(control.top)};
            SetWindowPos(made, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            for (const char *caption : kTabCaptions) {
                std::wstring text = widen(caption);
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = text.data();
                TabCtrl_InsertItem(made, TabCtrl_GetItemCount(made), &item);
            }
        }
    }
    ShowWindow(window, showCommand);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    for (HFONT font : fonts)
        DeleteObject(font);
    return 0;
}
