// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "main_window.h"

#include "control_ids.h"
#include "dpi.h"
#include "wide_text.h"
#include "window_design.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <stdexcept>

namespace {

using namespace window_design;
using window_behaviour::pixels;

constexpr wchar_t kClassName[] = L"Lirevox.Frm_main";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr int kIconId = 1;

const Control &design(std::string_view name)
{
    const auto *found = std::ranges::find(kControls, name, &Control::name);
    if (found == kControls.end())
        throw std::logic_error("no such control");
    return *found;
}

// A control's place in the window's client area at a dpi, from its place in its container.
RECT placeOf(const Control &control, int dpi)
{
    const Control &container = design(control.container == Container::Frame1 ? "Frame1" : "SSTab1");
    const bool contained = control.container == Container::Frame1 || window_behaviour::tabOf(control) >= 0;
    const int left = pixels(control.left, dpi) + (contained ? pixels(container.left, dpi) : 0);
    const int top = pixels(control.top, dpi) + (contained ? pixels(container.top, dpi) : 0);
    return {left, top, left + pixels(control.width, dpi), top + pixels(control.height, dpi)};
}

// The tab in front stands out by two pixels on either side, which the strip must leave room for.
void sizeTabs(HWND tabs, int dpi)
{
    const int stripWidth = pixels(design("SSTab1").width, dpi) - MulDiv(4, dpi, 96);
    TabCtrl_SetItemSize(tabs, stripWidth / static_cast<int>(kTabCaptions.size()),
                        MulDiv(kTabStripHeightPixels, dpi, 96));
}

SIZE clientSize(int dpi)
{
    return {pixels(kClientWidth, dpi), pixels(kClientHeight, dpi)};
}

lirevox::Separators localeSeparators()
{
    std::array<wchar_t, 8> decimal{};
    std::array<wchar_t, 8> group{};
    lirevox::Separators separators;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal.data(), decimal.size()) > 1)
        separators.decimal = narrow(decimal.data());
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, group.data(), group.size()) > 1)
        separators.group = narrow(group.data());
    return separators;
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

// Names the single button of the next message box this thread shows, whatever Windows' language.
thread_local HHOOK t_okButtonHook = nullptr;

LRESULT CALLBACK nameOkButton(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        SetDlgItemTextW(reinterpret_cast<HWND>(wParam), IDOK, widen(kErrorButton).c_str());
        UnhookWindowsHookEx(t_okButtonHook);
        t_okButtonHook = nullptr;
        return 0;
    }
    return CallNextHookEx(t_okButtonHook, code, wParam, lParam);
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

Frm_main::Frm_main(HINSTANCE instance)
{
    m_separators = localeSeparators();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm
        = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    CreateWindowExW(0, kClassName, widen(kTitle).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!m_window)
        throw std::runtime_error("cannot create the main window");
    m_fonts = std::make_unique<DesignFonts>(dpiOf(m_window));
    buildControls(true);
    setUpTabs();
    load();
}

Frm_main::~Frm_main()
{
    if (m_window)
        DestroyWindow(m_window);
    if (m_annotations)
        m_annotations->Release();
    if (m_comInitialised)
        CoUninitialize();
}

// Each control is made at its place, in its font: those the first frame shows (the band frame, its
// options, the tab control and the front tab's), or the hidden tabs', once the first frame is shown.
// Either way they come in the design's order, so each caption precedes its box in the Z order. A
// result gets its font with its first result, so that no face is loaded for it before.
void Frm_main::buildControls(bool shownFirst)
{
    const int dpi = m_fonts->dpi();
    for (const Control &each : kControls) {
        if ((window_behaviour::tabOf(each) <= 0) != shownFirst)
            continue;
        const WindowKind kind = kindOf(each.kind);
        // Every control but the second option ends a group, so the options are one group.
        const DWORD group = each.name == std::string_view("Option3") ? 0 : WS_GROUP;
        const DWORD visible = shownFirst ? WS_VISIBLE : 0;
        const RECT place = placeOf(each, dpi);
        HWND window = CreateWindowExW(
            kind.extendedStyle, kind.className, widen(each.caption).c_str(), WS_CHILD | visible | group | kind.style,
            place.left, place.top, place.right - place.left, place.bottom - place.top, m_window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(each.name))), nullptr, nullptr);
        if (each.kind != Kind::Result)
            SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts->get(each.font)), FALSE);
        if (each.kind == Kind::TextBox)
            SendMessageW(window, EM_SETLIMITTEXT, 0, 0);
    }
    for (std::size_t i = 0; i < kCalculatorTabs.size(); ++i) {
        const Control &result = design(kCalculatorTabs.at(i).result);
        if (!m_results.at(i) && control(result.name))
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
    CheckDlgButton(m_window, controlId("Option4"), BST_CHECKED);
}

// The tab control at the bottom of the Z order, below the controls made after it too, so that it
// never paints over the controls on it.
void Frm_main::sendTabsToBottom()
{
    SetWindowPos(control("SSTab1"), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The hidden tabs' controls, in the band's units. Any input that could reach them makes them first,
// should it come before the thread is first idle.
void Frm_main::buildHiddenTabs()
{
    if (m_hiddenTabsBuilt)
        return;
    m_hiddenTabsBuilt = true;
    buildControls(false);
    sendTabsToBottom();
    showUnits();
    describeUnits();
}

// What waits for the first moment the thread has nothing to do, when the first frame is on screen:
// the hidden tabs' controls, then what screen readers are told beyond the Z order.
void Frm_main::idle()
{
    buildHiddenTabs();
    annotate();
}

// Until then a screen reader finds each box's name in the Z order, as Dynamic Annotation gives it
// again.
void Frm_main::annotate()
{
    if (m_annotations || FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return;
    m_comInitialised = true;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void **>(&m_annotations))))
        return;
    for (const Described &described : kDescriptions)
        m_annotations->SetHwndPropStr(control(described.control), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                      PROPID_ACC_NAME, widen(design(described.caption).caption).c_str());
    describeUnits();
}

// The design's places and fonts again, at a new dpi.
void Frm_main::placeControls()
{
    const int dpi = m_fonts->dpi();
    for (const Control &each : kControls) {
        const RECT place = placeOf(each, dpi);
        HWND window = control(each.name);
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

// The controls made so far are the front tab's, shown.
void Frm_main::load()
{
    TabCtrl_SetCurSel(control("SSTab1"), 0);
    danwei();
    m_focus = control("SSTab1");
}

void Frm_main::danwei()
{
    flag = window_behaviour::bandFlagFor(IsDlgButtonChecked(m_window, controlId("Option4")) == BST_CHECKED);
    showUnits();
    describeUnits();
}

void Frm_main::showUnits()
{
    for (const auto &unit : window_behaviour::unitCaptions(flag)) {
        SetWindowTextW(control(unit.label), widen(unit.caption).c_str());
        InvalidateRect(control(unit.label), nullptr, TRUE);
    }
}

// Entry boxes and results tell screen readers their unit, which follows the band.
void Frm_main::describeUnits()
{
    if (!m_annotations)
        return;
    for (const Described &described : kDescriptions)
        if (HWND box = control(described.control))
            m_annotations->SetHwndPropStr(box, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                          windowText(control(described.unit)).c_str());
}

void Frm_main::show(int showCommand)
{
    if (const int dpi = dpiOf(m_window); dpi != m_fonts->dpi()) {
        m_fonts = std::make_unique<DesignFonts>(dpi);
        placeControls();
    }
    const RECT frame = frameFor(clientSize(m_fonts->dpi()), kStyle, 0, m_fonts->dpi());
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT &work = monitor.rcWork;
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    SetWindowPos(m_window, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
}

bool Frm_main::translateKey(const MSG &message)
{
    if (!m_window || (message.hwnd != m_window && !IsChild(m_window, message.hwnd)))
        return false;
    // No button answers Enter or Esc, and the boxes do not beep at them.
    if (message.message == WM_CHAR)
        return message.wParam == VK_RETURN || message.wParam == VK_ESCAPE;
    if (message.message != WM_KEYDOWN)
        return false;
    buildHiddenTabs();
    const bool controlKey = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (message.wParam) {
    case VK_TAB:
        controlKey ? switchTab(shift ? -1 : 1) : moveFocus(!shift);
        return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (message.hwnd == control("Option3") || message.hwnd == control("Option4")) {
            HWND other = control(message.hwnd == control("Option3") ? "Option4" : "Option3");
            SetFocus(other);
            SendMessageW(other, BM_CLICK, 0, 0);
            return true;
        }
        return false;
    default:
        return false;
    }
}

LRESULT CALLBACK Frm_main::WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<Frm_main *>(reinterpret_cast<const CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<Frm_main *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || message == WM_NCDESTROY) {
        if (self)
            self->m_window = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return self->handle(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT Frm_main::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            onCommand(LOWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<const NMHDR *>(lParam));
    case WM_CTLCOLORSTATIC:
        return onColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

void Frm_main::onCommand(int id)
{
    switch (id) {
    case controlId("Option3"):
    case controlId("Option4"):
        Option_Click();
        break;
    case controlId("Command2"):
        Command2_Click();
        break;
    case controlId("Command1"):
        Command1_Click();
        break;
    case controlId("Command5"):
        Command5_Click();
        break;
    case controlId("Command6"):
        Command6_Click();
        break;
    case controlId("Command7"):
        Command7_Click();
        break;
    case controlId("Command11"):
        Command11_Click();
        break;
    case controlId("Command3"):
    case controlId("Command10"):
    case controlId("Command4"):
        Cancel_Click();
        break;
    default:
        break;
    }
}

LRESULT Frm_main::onNotify(const NMHDR &header)
{
    if (header.code == TCN_SELCHANGE && header.hwndFrom == control("SSTab1")) {
        buildHiddenTabs();
        showFrontTab();
    } else if (header.code == TTN_GETDISPINFOW) {
        auto &info = reinterpret_cast<NMTTDISPINFOW &>(const_cast<NMHDR &>(header));
        for (const auto &result : m_results)
            if (result && reinterpret_cast<UINT_PTR>(result->window()) == header.idFrom)
                m_tooltipText = wrappedTooltip(result->tooltip());
        info.lpszText = m_tooltipText.data();
    }
    return 0;
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
    const int room = monitor.rcWork.right - monitor.rcWork.left - MulDiv(16, m_fonts->dpi(), 96);
    SendMessageW(m_tooltip, TTM_SETMAXTIPWIDTH, 0, room);
    HDC dc = GetDC(m_tooltip);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(m_tooltip, WM_GETFONT, 0, 0)));
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

LRESULT Frm_main::onColorStatic(HDC dc, HWND control)
{
    const bool isResult = std::ranges::any_of(
        m_results, [control](const auto &result) { return result && result->window() == control; });
    if (!isResult)
        return DefWindowProcW(m_window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    SetTextColor(dc, RGB(255, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_3DFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
}

void Frm_main::onDrawItem(const DRAWITEMSTRUCT &item)
{
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_3DFACE));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    const HGDIOBJ old = SelectObject(item.hDC, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(item.hDC, &metrics);
    const bool bottom = window_behaviour::sitsOnBottom(item.rcItem.bottom - item.rcItem.top, metrics.tmHeight);
    std::wstring text = windowText(item.hwndItem);
    RECT place = item.rcItem;
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &place,
              DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | (bottom ? DT_BOTTOM : DT_TOP));
    SelectObject(item.hDC, old);
}

// The design laid out again at the new dpi, the window sized for it where Windows suggests.
void Frm_main::onDpiChanged(int dpi, const RECT &suggested)
{
    m_fonts = std::make_unique<DesignFonts>(dpi);
    placeControls();
    const RECT frame = frameFor(clientSize(dpi), kStyle, 0, dpi);
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The focus comes back where it was when the window is active again.
void Frm_main::onActivate(bool active)
{
    if (!active) {
        if (HWND focus = GetFocus(); focus && IsChild(m_window, focus))
            m_focus = focus;
    } else if (m_focus && IsWindowVisible(m_focus)) {
        SetFocus(m_focus);
    } else {
        SetFocus(control("SSTab1"));
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

void Frm_main::moveFocus(bool forward)
{
    const int focusId = GetDlgCtrlID(GetFocus());
    const auto *from
        = std::ranges::find_if(kControls, [focusId](const Control &each) { return controlId(each.name) == focusId; });
    const char *selected = IsDlgButtonChecked(m_window, controlId("Option4")) == BST_CHECKED ? "Option4" : "Option3";
    const Control &next = window_behaviour::nextTabStop(from == kControls.end() ? "SSTab1" : from->name, forward,
                                                        TabCtrl_GetCurSel(control("SSTab1")), selected);
    HWND target = control(next.name);
    SetFocus(target);
    if (next.kind == Kind::TextBox)
        SendMessageW(target, EM_SETSEL, 0, -1);
    SendMessageW(m_window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

// Ctrl+Tab and Ctrl+Shift+Tab, as on every property sheet.
void Frm_main::switchTab(int step)
{
    HWND tabs = control("SSTab1");
    const int count = TabCtrl_GetItemCount(tabs);
    TabCtrl_SetCurSel(tabs, (TabCtrl_GetCurSel(tabs) + step + count) % count);
    showFrontTab();
}

// A result is only ever shown in the units it was computed in.
void Frm_main::Option_Click()
{
    const bool high = IsDlgButtonChecked(m_window, controlId("Option4")) == BST_CHECKED;
    if (window_behaviour::bandFlagFor(high) == flag)
        return;
    danwei();
    for (const auto &result : m_results)
        if (result)
            result->setResult({});
}

void Frm_main::Command2_Click()
{
    compute(kCalculatorTabs[0]);
}

void Frm_main::Command1_Click()
{
    compute(kCalculatorTabs[1]);
}

void Frm_main::Command5_Click()
{
    compute(kCalculatorTabs[2]);
}

void Frm_main::compute(const CalculatorTab &tab)
{
    const auto entry = [this](const char *name) { return [box = control(name)] { return narrow(windowText(box)); }; };
    const auto outcome
        = window_behaviour::compute(tab.calculator, entry(tab.upper), entry(tab.lower), flag, m_separators);
    if (outcome.message) {
        showError(outcome.message);
    } else {
        resultBox(tab.result).setResult(widen(outcome.result));
        offerTooltips();
    }
}

void Frm_main::showError(const char *prompt)
{
    t_okButtonHook = SetWindowsHookExW(WH_CBT, nameOkButton, nullptr, GetCurrentThreadId());
    MessageBoxW(m_window, widen(prompt).c_str(), widen(kErrorTitle).c_str(), MB_OK | MB_APPLMODAL);
    if (t_okButtonHook) {
        UnhookWindowsHookEx(t_okButtonHook);
        t_okButtonHook = nullptr;
    }
}

void Frm_main::Command6_Click()
{
    refresh(kCalculatorTabs[0]);
}

void Frm_main::Command7_Click()
{
    refresh(kCalculatorTabs[1]);
}

void Frm_main::Command11_Click()
{
    refresh(kCalculatorTabs[2]);
}

void Frm_main::refresh(const CalculatorTab &tab)
{
    for (const char *name : tab.cleared) {
        if (design(name).kind == Kind::Result)
            resultBox(name).setResult({});
        else
            SetWindowTextW(control(name), L"");
    }
}

// Ends the program as the close box does.
void Frm_main::Cancel_Click()
{
    DestroyWindow(m_window);
}

HWND Frm_main::control(const char *name) const
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
