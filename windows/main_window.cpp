// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "main_window.h"

#include "control_ids.h"
#include "controls.h"
#include "dpi.h"
#include "wide_text.h"
#include "window_design.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <stdexcept>

namespace {

using namespace window_design;
using window_behaviour::KeyAction;

constexpr wchar_t kClassName[] = L"Lirevox.Frm_main";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr int kIconId = 1;

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

window_behaviour::Key keyOf(WPARAM virtualKey)
{
    using window_behaviour::Key;
    switch (virtualKey) {
    case VK_TAB:
        return Key::Tab;
    case VK_RETURN:
        return Key::Enter;
    case VK_ESCAPE:
        return Key::Escape;
    case VK_NEXT:
        return Key::PageDown;
    case VK_PRIOR:
        return Key::PageUp;
    case VK_HOME:
        return Key::Home;
    case VK_END:
        return Key::End;
    case VK_LEFT:
        return Key::Left;
    case VK_RIGHT:
        return Key::Right;
    default:
        return Key::Other;
    }
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

// Red, unless a high-contrast scheme's background would make it hard to read.
COLORREF resultColour(bool highContrast)
{
    const auto rgb = [](int element) {
        const COLORREF colour = GetSysColor(element);
        return Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    };
    const Rgb colour
        = window_behaviour::resultColour(highContrast, rgb(COLOR_3DFACE), {rgb(COLOR_HIGHLIGHT), rgb(COLOR_BTNTEXT)});
    return RGB(colour.red, colour.green, colour.blue);
}

} // namespace

bool systemHighContrast()
{
    HIGHCONTRASTW scheme{};
    scheme.cbSize = sizeof scheme;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof scheme, &scheme, 0)
        && (scheme.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

Frm_main::Frm_main(HINSTANCE instance, bool (*highContrast)())
    : m_highContrast(highContrast)
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
    // The colour's index, not its brush, so that the background follows a change of system colours.
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
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

// What waits for the first moment the thread has nothing to do, when the first frame is on screen:
// the hidden tabs' controls, then what screen readers are told beyond the Z order.
void Frm_main::idle()
{
    buildHiddenTabs();
    annotate();
}

// The controls made so far are the front tab's, shown.
void Frm_main::load()
{
    TabCtrl_SetCurSel(control("SSTab1"), kTabAtLoad);
    danwei();
    m_focus = control("SSTab1");
}

void Frm_main::danwei()
{
    flag = window_behaviour::bandFlagFor(IsDlgButtonChecked(m_window, controlId("Option4")) == BST_CHECKED);
    showUnits();
    describeUnits();
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

// The keys' rule decides; the band group's arrows stay the window's own, as a dialog's are.
bool Frm_main::translateKey(const MSG &message)
{
    if (!m_window || (message.hwnd != m_window && !IsChild(m_window, message.hwnd)))
        return false;
    // Enter and Esc do their work at WM_KEYDOWN, and the boxes do not beep at their characters.
    if (message.message == WM_CHAR)
        return message.wParam == VK_RETURN || message.wParam == VK_ESCAPE;
    if (message.message != WM_KEYDOWN)
        return false;
    buildHiddenTabs();
    const int id = GetDlgCtrlID(message.hwnd);
    const auto *focused
        = std::ranges::find_if(kControls, [id](const Control &each) { return controlId(each.name) == id; });
    const Kind kind = focused == kControls.end() ? Kind::Label : focused->kind;
    const auto outcome = window_behaviour::keyOutcome(
        {.key = keyOf(message.wParam), .control = GetKeyState(VK_CONTROL) < 0, .shift = GetKeyState(VK_SHIFT) < 0},
        kind, TabCtrl_GetCurSel(control("SSTab1")), window_behaviour::Host::Desktop);
    switch (outcome.action) {
    case KeyAction::Default:
        return kind == Kind::Option && moveInBandGroup(message);
    case KeyAction::Nothing:
        return true;
    case KeyAction::NextStop:
    case KeyAction::PreviousStop:
        moveFocus(outcome.action == KeyAction::NextStop);
        return true;
    case KeyAction::PressButton:
        SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        return true;
    case KeyAction::SelectTab:
        selectTab(outcome.tab);
        return true;
    }
    return false;
}

// The arrows move to the other option and select it.
bool Frm_main::moveInBandGroup(const MSG &message)
{
    if (message.wParam != VK_LEFT && message.wParam != VK_RIGHT && message.wParam != VK_UP && message.wParam != VK_DOWN)
        return false;
    HWND other = control(message.hwnd == control("Option3") ? "Option4" : "Option3");
    SetFocus(other);
    SendMessageW(other, BM_CLICK, 0, 0);
    return true;
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
    } catch (const std::exception &error) {
        self->m_fault = error.what();
    } catch (...) {
        self->m_fault = "unknown";
    }
    return DefWindowProcW(window, message, wParam, lParam);
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
    case WM_SYSCOLORCHANGE:
        onSysColorChange();
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
    buildHiddenTabs();
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

LRESULT Frm_main::onColorStatic(HDC dc, HWND control)
{
    const bool isResult = std::ranges::any_of(
        m_results, [control](const auto &result) { return result && result->window() == control; });
    if (!isResult)
        return DefWindowProcW(m_window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    SetTextColor(dc, resultColour(m_highContrast()));
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

// Windows tells only top-level windows of new system colours; the common controls learn of them
// from their parent.
void Frm_main::onSysColorChange()
{
    for (HWND child = GetWindow(m_window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    if (m_tooltip)
        SendMessageW(m_tooltip, WM_SYSCOLORCHANGE, 0, 0);
}

// The design laid out again at the new dpi, the window sized for it where Windows suggests.
void Frm_main::onDpiChanged(int dpi, const RECT &suggested)
{
    m_fonts = std::make_unique<DesignFonts>(dpi);
    buildHiddenTabs();
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

// The tab to the front, as a click on it brings it.
void Frm_main::selectTab(int index)
{
    TabCtrl_SetCurSel(control("SSTab1"), index);
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
            showResult(*result, {});
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
        showResult(resultBox(tab.result), widen(outcome.result));
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
        if (designOf(name).kind == Kind::Result)
            showResult(resultBox(name), {});
        else
            SetWindowTextW(control(name), L"");
    }
}

// Ends the program as the close box does.
void Frm_main::Cancel_Click()
{
    DestroyWindow(m_window);
}
