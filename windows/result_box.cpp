// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "result_box.h"

#include "design_fonts.h"
#include "wide_text.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

enum MenuCommand : UINT { kCopy = 1, kSelectAll = 2 };

struct TextSize {
    int width;
    int ascent;
};

TextSize measure(HFONT font, const std::wstring &text)
{
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {static_cast<int>(size.cx), static_cast<int>(metrics.tmAscent)};
}

} // namespace

ResultBox::ResultBox(HWND edit, const window_design::FontStyle &style, int dpi)
    : m_edit(edit)
    , m_style(style)
    , m_dpi(dpi)
    , m_fit{.pointSize = style.pointSize}
{
    SendMessageW(m_edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SetWindowSubclass(m_edit, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

ResultBox::~ResultBox()
{
    RemoveWindowSubclass(m_edit, SubclassProc, 0);
    DeleteObject(m_font);
}

void ResultBox::setResult(const std::wstring &result)
{
    SetWindowTextW(m_edit, result.c_str());
    refit();
}

void ResultBox::setDpi(int dpi)
{
    m_dpi = dpi;
    refit();
}

std::wstring ResultBox::tooltip() const
{
    return m_fit.ownSize ? std::wstring() : windowText(m_edit);
}

// A smaller size sits on the baseline of the box's own, so that it still lines up with its
// caption and unit. An empty box keeps the font it has, so that no face is loaded for it before
// there is a result to show.
void ResultBox::refit()
{
    const std::wstring text = windowText(m_edit);
    if (text.empty() && (!m_font || m_fit.ownSize)) {
        InvalidateRect(m_edit, nullptr, TRUE);
        return;
    }
    RECT client{};
    GetClientRect(m_edit, &client);
    const int room = window_behaviour::resultRoom(static_cast<int>(client.right));
    m_fit = text.empty() ? window_behaviour::ResultFit{.pointSize = m_style.pointSize}
                         : window_behaviour::fitResult(m_style.pointSize, [&](double size) {
                               HFONT font = DesignFonts::create(m_style, size, m_dpi);
                               const bool fits = measure(font, text).width <= room;
                               DeleteObject(font);
                               return fits;
                           });
    HFONT own = DesignFonts::create(m_style, m_style.pointSize, m_dpi);
    HFONT fitted = m_fit.ownSize ? own : DesignFonts::create(m_style, m_fit.pointSize, m_dpi);
    m_baselineOffset = measure(own, text).ascent - measure(fitted, text).ascent;
    SendMessageW(m_edit, WM_SETFONT, reinterpret_cast<WPARAM>(fitted), FALSE);
    if (fitted != own)
        DeleteObject(own);
    DeleteObject(m_font);
    m_font = fitted;
    RECT format = client;
    format.top += m_baselineOffset;
    SendMessageW(m_edit, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
    InvalidateRect(m_edit, nullptr, TRUE);
}

LRESULT CALLBACK ResultBox::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                         DWORD_PTR self)
{
    try {
        return reinterpret_cast<ResultBox *>(self)->handle(message, wParam, lParam);
    } catch (...) {
        return DefSubclassProc(window, message, wParam, lParam);
    }
}

LRESULT ResultBox::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CONTEXTMENU:
        onContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_CHAR:
        if (wParam == 1) { // Ctrl+A
            SendMessageW(m_edit, EM_SETSEL, 0, -1);
            return 0;
        }
        break;
    case WM_COPY:
        copy();
        return 0;
    case WM_PAINT:
        if (m_fit.cut) {
            paintCut();
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
        // A cut result is drawn by the box itself, so the edit may not draw a selection over it.
        if (m_fit.cut) {
            if (message == WM_LBUTTONDOWN)
                SetFocus(m_edit);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        if (m_fit.cut) {
            const LRESULT result = DefSubclassProc(m_edit, message, wParam, lParam);
            HideCaret(m_edit);
            return result;
        }
        break;
    default:
        break;
    }
    return DefSubclassProc(m_edit, message, wParam, lParam);
}

// With nothing selected, copy takes the whole result.
void ResultBox::copy()
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(m_edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end)
        SendMessageW(m_edit, EM_SETSEL, 0, -1);
    DefSubclassProc(m_edit, WM_COPY, 0, 0);
    if (start == end)
        SendMessageW(m_edit, EM_SETSEL, start, end);
}

void ResultBox::onContextMenu(POINT at)
{
    if (at.x == -1 && at.y == -1) { // from the keyboard
        RECT box{};
        GetWindowRect(m_edit, &box);
        at = {box.left, box.bottom};
    }
    HMENU menu = CreatePopupMenu();
    const bool empty = GetWindowTextLengthW(m_edit) == 0;
    AppendMenuW(menu, MF_STRING | (empty ? MF_GRAYED : 0U), kCopy, L"复制(&C)\tCtrl+C");
    AppendMenuW(menu, MF_STRING, kSelectAll, L"全选(&A)\tCtrl+A");
    const auto chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, m_edit, nullptr);
    DestroyMenu(menu);
    if (chosen == kCopy)
        copy();
    else if (chosen == kSelectAll)
        SendMessageW(m_edit, EM_SETSEL, 0, -1);
}

void ResultBox::paintCut()
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(m_edit, &paint);
    RECT client{};
    GetClientRect(m_edit, &client);
    // The colours the parent gives the box, as for its own drawing.
    auto *background = reinterpret_cast<HBRUSH>(SendMessageW(
        GetParent(m_edit), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_edit)));
    FillRect(dc, &client, background);
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ old = SelectObject(dc, m_font);
    RECT text = client;
    text.top += m_baselineOffset;
    const std::wstring result = windowText(m_edit);
    DrawTextW(dc, result.c_str(), static_cast<int>(result.size()), &text,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, old);
    EndPaint(m_edit, &paint);
}
