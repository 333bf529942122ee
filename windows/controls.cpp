// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// The window's controls: made from the design table at their places in their fonts, in two waves
// (what the first frame shows, then the hidden tabs'), placed again at a new dpi, shown while their
// tab is in front, and the results' tooltips.

#include "controls.h"

#include "control_ids.h"
#include "main_window.h"
#include "wide_text.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

using namespace window_design;
using window_behaviour::pixels;

const Control &designOf(std::string_view name)
{
    const auto *found = std::ranges::find(kControls, name, &Control::name);
    if (found == kControls.end())
        throw std::logic_error("no such control");
    return *found;
}

SIZE clientSize(int dpi)
{
    return {pixels(kClientWidth, dpi), pixels(kClientHeight, dpi)};
}

namespace {

// A control's place in the window's client area at a dpi, from its place in its container.
RECT placeOf(const Control &control, int dpi)
{
    const Control &container = designOf(control.container == Container::Frame1 ? "Frame1" : "SSTab1");
    const bool contained = control.container == Container::Frame1 || window_behaviour::tabOf(control) >= 0;
    const int left = pixels(control.left, dpi) + (contained ? pixels(container.left, dpi) : 0);
    const int top = pixels(control.top, dpi) + (contained ? pixels(container.top, dpi) : 0);
    return {left, top, left + pixels(control.width, dpi), top + pixels(control.height, dpi)};
}

// The tab in front stands out by two pixels on either side, which the strip must leave room for.
void sizeTabs(HWND tabs, int dpi)
{
    const int stripWidth = pixels(designOf("SSTab1").width, dpi) - MulDiv(4, dpi, 96);
    TabCtrl_SetItemSize(tabs, stripWidth / static_cast<int>(kTabCaptions.size()),
                        MulDiv(kTabStripHeightPixels, dpi, 96));
}

struct WindowKind {
    const wchar_t *className;
    DWORD style;
    DWORD extendedStyle;
};

// Owner-drawn labels, so that a caption taller than its label can sit on its bottom edge.
WindowKind kindOf(Kind kind)
{
    switch (kind) {
    case Kind::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case Kind::Option:
        return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case Kind::Tabs:
        return {WC_TABCONTROLW, WS_CLIPSIBLINGS | TCS_FIXEDWIDTH | TCS_FOCUSONBUTTONDOWN, 0};
    case Kind::Label:
        return {L"STATIC", SS_OWNERDRAW | SS_NOPREFIX, 0};
    case Kind::Result:
        return {L"EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL, 0};
    case Kind::TextBox:
        return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case Kind::Button:
        break;
    }
    return {L"BUTTON", BS_PUSHBUTTON, 0};
}

// The tab control's page in the 3-D face colour, which the labels on it are drawn in too, whatever
// the theme draws the tabs and the border in.
LRESULT CALLBACK paintTabPage(HWND tabs, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                              DWORD_PTR /*data*/)
{
    const LRESULT result = DefSubclassProc(tabs, message, wParam, lParam);
    if (message == WM_PAINT || message == WM_PRINTCLIENT) {
        RECT page{};
        GetClientRect(tabs, &page);
        TabCtrl_AdjustRect(tabs, FALSE, &page);
        HDC dc = message == WM_PAINT ? GetDC(tabs) : reinterpret_cast<HDC>(wParam);
        FillRect(dc, &page, GetSysColorBrush(COLOR_3DFACE));
        if (message == WM_PAINT)
            ReleaseDC(tabs, dc);
    }
    return result;
}

} // namespace

// Each control is made at its place, in its font: those the first frame shows (the band frame, its
// options, the tab control and the front tab's), or the hidden tabs', once the first frame is shown.
// Either way they come in the design's order, so each caption precedes its box in the Z order, and
// each with what it shows at once: a unit label made after the load step in its band's unit. A
// result gets its font with its first result, so that no face is loaded for it before.
void Frm_main::buildControls(bool shownFirst)
{
    const int dpi = m_fonts->dpi();
    for (const Control &each : kControls) {
        if (window_behaviour::inFirstFrame(each) != shownFirst)
            continue;
        const WindowKind kind = kindOf(each.kind);
        // Every control but the second option ends a group, so the options are one group.
        const DWORD group = each.name == std::string_view("Option3") ? 0 : WS_GROUP;
        const DWORD visible = shownFirst ? WS_VISIBLE : 0;
        const RECT place = placeOf(each, dpi);
        HWND window = CreateWindowExW(
            kind.extendedStyle, kind.className, widen(window_behaviour::captionFor(each, flag)).c_str(),
            WS_CHILD | visible | group | kind.style, place.left, place.top, place.right - place.left,
            place.bottom - place.top, m_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(each.name))),
            nullptr, nullptr);
        if (each.kind != Kind::Result)
            SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts->get(each.font)), FALSE);
        if (each.kind == Kind::TextBox)
            SendMessageW(window, EM_SETLIMITTEXT, 0, 0);
    }
    for (std::size_t i = 0; i < kCalculatorTabs.size(); ++i) {
        const Control &result = designOf(kCalculatorTabs.at(i).result);
        if (!m_results.at(i) && made(result.name))
            m_results.at(i) = std::make_unique<ResultBox>(control(result.name), fontStyle(result.font), dpi);
    }
}

void Frm_main::setUpTabs()
{
    HWND tabs = control("SSTab1");
    sendTabsToBottom();
    SetWindowSubclass(tabs, paintTabPage, 0, 0);
    for (const char *caption : kTabCaptions) {
        std::wstring text = widen(caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        TabCtrl_InsertItem(tabs, TabCtrl_GetItemCount(tabs), &item);
    }
    sizeTabs(tabs, m_fonts->dpi());
    CheckDlgButton(m_window, controlId(kSelectedAtStart), BST_CHECKED);
}

// The tab control at the bottom of the Z order, below the controls made after it too, so that it
// never paints over the controls on it.
void Frm_main::sendTabsToBottom()
{
    SetWindowPos(control("SSTab1"), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The hidden tabs' controls. Any input that could reach them or change what they show (a key, a
// click, a tab, a new dpi) makes them first, should it come before the thread is first idle.
void Frm_main::buildHiddenTabs()
{
    if (m_hiddenTabsBuilt)
        return;
    m_hiddenTabsBuilt = true;
    buildControls(false);
    sendTabsToBottom();
    describeUnits();
}

// The design's places and fonts again, at a new dpi.
void Frm_main::placeControls()
{
    const int dpi = m_fonts->dpi();
    for (const Control &each : kControls) {
        const RECT place = placeOf(each, dpi);
        HWND window = made(each.name);
        if (!window)
            continue;
        SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (each.kind != Kind::Result)
            SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts->get(each.font)), FALSE);
    }
    sizeTabs(control("SSTab1"), dpi);
    for (const auto &result : m_results)
        if (result)
            result->setDpi(dpi);
    offerTooltips();
    InvalidateRect(m_window, nullptr, TRUE);
}

// The unit labels made so far; the others are made with their band's unit.
void Frm_main::showUnits()
{
    for (const auto &unit : window_behaviour::unitCaptions(flag)) {
        if (HWND label = made(unit.label)) {
            SetWindowTextW(label, widen(unit.caption).c_str());
            InvalidateRect(label, nullptr, TRUE);
        }
    }
}

// A tab's controls are shown only while it is in front. Windows hands the focus of a control it
// hides to the main window; the tab control takes it instead.
void Frm_main::showFrontTab()
{
    HWND focus = GetFocus();
    const int front = TabCtrl_GetCurSel(control("SSTab1"));
    for (const Control &each : kControls)
        if (const int tab = window_behaviour::tabOf(each);
            tab >= 0 && (tab == front) != IsWindowVisible(control(each.name)))
            ShowWindow(control(each.name), tab == front ? SW_SHOWNA : SW_HIDE);
    if (focus && IsChild(m_window, focus) && !IsWindowVisible(focus))
        SetFocus(control("SSTab1"));
}

// A result's whole text is its tooltip whenever it is not drawn at its own size; the tooltips are
// made the first time that happens.
void Frm_main::offerTooltips()
{
    if (m_tooltip
        || std::ranges::all_of(m_results, [](const auto &result) { return !result || result->fit().ownSize; }))
        return;
    m_tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_window, nullptr, nullptr,
                                nullptr);
    for (const auto &result : m_results) {
        if (!result)
            continue;
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_window;
        tool.uId = reinterpret_cast<UINT_PTR>(result->window());
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// The whole result in lines as wide as the work area of the monitor under the mouse allows, the
// tooltip's borders and margins included, so that no end of it runs off that monitor.
std::wstring Frm_main::wrappedTooltip(const std::wstring &text) const
{
    POINT cursor{};
    GetCursorPos(&cursor);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor);
    HDC dc = GetDC(m_tooltip);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(m_tooltip, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // The tooltip's border, and its margin, which comctl32 keeps at a few pixels of the dpi.
    const int room = window_behaviour::tooltipRoom(monitor.rcWork.right - monitor.rcWork.left,
                                                   GetSystemMetrics(SM_CXBORDER) + MulDiv(4, m_fonts->dpi(), 96),
                                                   metrics.tmMaxCharWidth);
    SendMessageW(m_tooltip, TTM_SETMAXTIPWIDTH, 0, room);
    std::wstring wrapped;
    for (const std::string &line : window_behaviour::tooltipLines(narrow(text), [dc, room](std::string_view part) {
             const std::wstring wide = widen(part);
             SIZE size{};
             GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
             return size.cx <= room;
         }))
        wrapped += (wrapped.empty() ? L"" : L"\r\n") + widen(line);
    SelectObject(dc, old);
    ReleaseDC(m_tooltip, dc);
    return wrapped;
}

// A control that is not made yet is a fault of the window's own: no call is made with a null handle.
HWND Frm_main::control(const char *name) const
{
    HWND window = made(name);
    if (!window)
        throw std::logic_error(std::string("control not made yet: ") + name);
    return window;
}

HWND Frm_main::made(const char *name) const
{
    return GetDlgItem(m_window, controlId(name));
}

ResultBox &Frm_main::resultBox(const char *name)
{
    for (const auto &result : m_results)
        if (result && result->window() == control(name))
            return *result;
    throw std::logic_error("no such result");
}
