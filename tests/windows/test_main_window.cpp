// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "control_ids.h"
#include "main_window.h"
#include "wide_text.h"
#include "window_design.h"
#include "window_scenarios.h"

#include <doctest/doctest.h>

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

// The Windows window as a user drives it: clicks on its buttons, keys through the message loop's
// own path, texts typed in its boxes, every control found by its ID from the main window.
namespace {

using namespace window_design;

std::string g_seenBox;
std::vector<std::string> g_announced;

// Notes the control ID of each live region that tells screen readers of a change.
void CALLBACK announce(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND region, LONG /*object*/, LONG /*child*/,
                       DWORD /*thread*/, DWORD /*time*/)
{
    g_announced.emplace_back(std::to_string(GetDlgCtrlID(region)));
}

// Reads "title|prompt|button|buttons, icons" of the message box and closes it, from a timer that
// the box's modal loop runs.
void CALLBACK readMessageBox(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/)
{
    HWND box = FindWindowW(L"#32770", nullptr);
    int buttons = 0;
    int icons = 0;
    for (HWND child = box ? GetWindow(box, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::array<char, 16> kind{};
        buttons += GetClassNameA(child, kind.data(), kind.size()) && std::string(kind.data()) == "Button";
        icons += (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && SendMessageW(child, STM_GETICON, 0, 0);
    }
    if (!box)
        return;
    KillTimer(nullptr, timer);
    g_seenBox
        = narrow(windowText(box) + L"|" + windowText(GetDlgItem(box, 0xFFFF)) + L"|" + windowText(GetDlgItem(box, IDOK))
                 + L"|" + std::to_wstring(buttons) + L", " + std::to_wstring(icons));
    SendMessageW(box, WM_COMMAND, IDOK, 0);
}

std::string localeText(LCTYPE item)
{
    std::array<wchar_t, 8> text{};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text.data(), text.size());
    return narrow(text.data());
}

struct Win32Driver {
    std::unique_ptr<Frm_main> window;
    std::string decimal = localeText(LOCALE_SDECIMAL);
    std::string group = localeText(LOCALE_STHOUSAND);

    HWND find(const char *name) const { return GetDlgItem(window->window(), controlId(name)); }

    // The messages waiting, as the program's loop handles them, then (unless told not to) the
    // loop's idle moment.
    void pump(bool idle = true) const
    {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return PostQuitMessage(static_cast<int>(message.wParam));
            if (!window->translateKey(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        if (idle)
            window->idle();
    }

    // Closing the last window posted the end of the program, which a modal loop would obey.
    void openShown(bool (*highContrast)() = systemHighContrast)
    {
        window.reset();
        MSG quit{};
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
        window = std::make_unique<Frm_main>(GetModuleHandleW(nullptr), highContrast);
        window->show(SW_SHOWNORMAL);
    }
    void open(int tab)
    {
        openShown();
        pump();
        clickTab(tab);
    }
    void clickTab(int tab) const
    {
        TabCtrl_SetCurSel(find("SSTab1"), tab);
        NMHDR header{find("SSTab1"), static_cast<UINT_PTR>(controlId("SSTab1")), static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(window->window(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    }

    void setText(const char *name, const std::string &text)
    {
        std::string_view(name).starts_with("Label") ? window->resultBox(name).setResult(widen(text))
                                                    : (void)SetWindowTextW(find(name), widen(text).c_str());
    }
    std::string text(const char *name) { return narrow(windowText(find(name))); }

    std::string click(const char *name)
    {
        g_seenBox.clear();
        SetTimer(nullptr, 0, 0, readMessageBox);
        SendMessageW(find(name), BM_CLICK, 0, 0);
        pump();
        return g_seenBox;
    }

    // The key through the program's own keyboard handling first, as its message loop sends it;
    // "Ctrl+" and "Shift+" hold those keys down.
    void press(std::string key, bool idle = true) const
    {
        std::array<BYTE, 256> keys{};
        for (const auto &[prefix, modifier] : {std::pair{"Ctrl+", VK_CONTROL}, {"Shift+", VK_SHIFT}})
            if (key.starts_with(prefix)) {
                keys[modifier] = 0x80;
                key.erase(0, std::string_view(prefix).size());
            }
        SetKeyboardState(keys.data());
        static const std::map<std::string, WPARAM> codes = {
            {"Tab", VK_TAB},   {"Right", VK_RIGHT}, {"Enter", VK_RETURN},  {"Escape", VK_ESCAPE},
            {"Home", VK_HOME}, {"End", VK_END},     {"PageDown", VK_NEXT}, {"PageUp", VK_PRIOR},
        };
        const MSG message{GetFocus(), WM_KEYDOWN, codes.at(key), 0, 0, {}};
        if (!window->translateKey(message))
            DispatchMessageW(&message);
        keys.fill(0);
        SetKeyboardState(keys.data());
        pump(idle);
    }

    void focusOn(const char *name) { SetFocus(find(name)); }
    std::string focus()
    {
        const int id = GetDlgCtrlID(GetFocus());
        const auto *found
            = std::ranges::find_if(kControls, [id](const Control &each) { return controlId(each.name) == id; });
        return found == kControls.end() ? "?" : std::string(found->name).starts_with("Option") ? "band" : found->name;
    }
    int bandFlag() { return window->bandFlag(); }
    int frontTab() { return TabCtrl_GetCurSel(find("SSTab1")); }

    // A control's box in the window's client area.
    RECT placeIn(const char *name) const
    {
        RECT box{};
        GetWindowRect(find(name), &box);
        MapWindowPoints(nullptr, window->window(), reinterpret_cast<POINT *>(&box), 2);
        return box;
    }

    // A control's place in its container and its font: "left top width height, Song|UI height [bold]".
    std::string placeAndFont(const Control &control) const
    {
        const char *container = control.container == Container::Window ? nullptr
            : control.container == Container::Frame1                   ? "Frame1"
                                                                       : "SSTab1";
        RECT box{};
        GetWindowRect(find(control.name), &box);
        RECT origin{};
        container ? (void)GetWindowRect(find(container), &origin)
                  : (void)MapWindowPoints(window->window(), nullptr, reinterpret_cast<POINT *>(&origin), 1);
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(find(control.name), WM_GETFONT, 0, 0)), sizeof font, &font);
        const bool song = std::ranges::find(kSongFaces, narrow(font.lfFaceName)) != kSongFaces.end();
        return std::to_string(box.left - origin.left) + " " + std::to_string(box.top - origin.top) + " "
            + std::to_string(box.right - box.left) + " " + std::to_string(box.bottom - box.top)
            + (song && font.lfCharSet == GB2312_CHARSET ? ", Song " : ", UI ") + std::to_string(-font.lfHeight)
            + (font.lfWeight == FW_BOLD ? " bold" : "");
    }
};

Win32Driver g_driver;

// Row by row, so that a failure names its row.
void verify(const window_scenarios::Outcome &outcome)
{
    std::istringstream seen(outcome.seen);
    std::istringstream wanted(outcome.wanted);
    for (std::string seenRow, wantedRow; std::getline(wanted, wantedRow);) {
        std::getline(seen, seenRow);
        CHECK(seenRow == wantedRow);
    }
    CHECK(seen.peek() == std::char_traits<char>::eof());
}

// The colours of a high-contrast scheme, set for as long as it lives and put back after.
class Scheme
{
public:
    Scheme(COLORREF face, COLORREF text, COLORREF highlight)
    {
        const std::pair<int, COLORREF> scheme[] = {
            {COLOR_3DFACE, face},  {COLOR_WINDOW, face},         {COLOR_3DDKSHADOW, face}, {COLOR_HIGHLIGHTTEXT, face},
            {COLOR_BTNTEXT, text}, {COLOR_WINDOWTEXT, text},     {COLOR_3DHILIGHT, text},  {COLOR_3DSHADOW, text},
            {COLOR_3DLIGHT, text}, {COLOR_HIGHLIGHT, highlight},
        };
        std::vector<COLORREF> colours;
        for (const auto &[element, colour] : scheme) {
            m_elements.push_back(element);
            m_saved.push_back(GetSysColor(element));
            colours.push_back(colour);
        }
        SetSysColors(static_cast<int>(m_elements.size()), m_elements.data(), colours.data());
    }
    ~Scheme() { SetSysColors(static_cast<int>(m_elements.size()), m_elements.data(), m_saved.data()); }
    Scheme(const Scheme &) = delete;
    Scheme &operator=(const Scheme &) = delete;

private:
    std::vector<int> m_elements;
    std::vector<COLORREF> m_saved;
};

// How many of the box's pixels in the window are nearer the ink's colour than the paper's: the
// text's, smoothed at its edges.
int inked(HWND window, const RECT &box, COLORREF ink, COLORREF paper)
{
    const auto distance = [](COLORREF one, COLORREF other) {
        return std::abs(GetRValue(one) - GetRValue(other)) + std::abs(GetGValue(one) - GetGValue(other))
            + std::abs(GetBValue(one) - GetBValue(other));
    };
    HDC dc = GetDC(window);
    int found = 0;
    for (LONG y = box.top; y < box.bottom; ++y)
        for (LONG x = box.left; x < box.right; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            found += distance(pixel, ink) < distance(pixel, paper);
        }
    ReleaseDC(window, dc);
    return found;
}

} // namespace

// At the dpi the window starts at, 96 or 144, then at the other after Windows tells of a change:
// every control in the design's place, size and font. Wine keeps its frame at the system's dpi where
// Windows scales it too, so after a change only the client area's width is the design's there.
TEST_CASE("every control by its ID, at its design place, size and font, at 96 and 144 dpi")
{
    g_driver.open(0);
    // Every control a direct child of the window, of its kind's class, each caption before its box in
    // the Z order, where screen readers look for a box's name; the tab control at the bottom.
    std::string zOrder;
    std::string designed;
    for (HWND child = GetWindow(g_driver.window->window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::array<char, 32> kind{};
        GetClassNameA(child, kind.data(), kind.size());
        zOrder += std::to_string(GetDlgCtrlID(child)) + kind[0] + " ";
    }
    for (const Control &control : kControls)
        if (control.kind != Kind::Tabs)
            designed += std::to_string(controlId(control.name)) + "BBSSEEB"[static_cast<int>(control.kind)] + " ";
    CHECK(zOrder == designed + std::to_string(controlId("SSTab1")) + "S ");
    // A result's font is the one it shows a result in.
    for (const char *result : {"Label5", "Label10", "Label19"})
        g_driver.setText(result, "5.");
    HDC screen = GetDC(nullptr);
    const bool startsAt144 = GetDeviceCaps(screen, LOGPIXELSY) == 144;
    ReleaseDC(nullptr, screen);
    for (const bool at144 : {startsAt144, !startsAt144}) {
        const int dpi = at144 ? 144 : 96;
        const bool start = at144 == startsAt144;
        if (!start) {
            RECT suggested{100, 100, 900, 700};
            SendMessageW(g_driver.window->window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
        }
        INFO(dpi, " dpi", std::string(start ? " at start" : " after a change"));
        RECT area{};
        GetClientRect(g_driver.window->window(), &area);
        RECT tab{};
        TabCtrl_GetItemRect(g_driver.find("SSTab1"), 3, &tab);
        CHECK(area.right == (at144 ? 759 : 506));
        if (start)
            CHECK(area.bottom == (at144 ? 504 : 336));
        CHECK(tab.right == (at144 ? 730 : 486));
        CHECK(tab.bottom - tab.top == (at144 ? 30 : 20));
        for (const Control &control : kControls) {
            const auto px = [dpi](int twips) { return std::to_string(window_behaviour::pixels(twips, dpi)); };
            const FontStyle style = fontStyle(control.font);
            INFO(std::string(control.name));
            CHECK(g_driver.placeAndFont(control)
                  == px(control.left) + " " + px(control.top) + " " + px(control.width) + " " + px(control.height)
                      + (style.song ? ", Song " : ", UI ") + std::to_string(std::lround(style.pointSize * dpi / 72))
                      + (style.bold ? " bold" : ""));
        }
    }
}

TEST_CASE("computes")
{
    verify(window_scenarios::computes(g_driver));
}

// A screen reader hears of each new result as its box's live region changes: once a compute, the
// same result again included, and not for a refresh that empties it.
TEST_CASE("each result a compute shows is announced")
{
    g_announced.clear();
    const DWORD liveRegionChanged = 0x8019;
    HWINEVENTHOOK hook
        = SetWinEventHook(liveRegionChanged, liveRegionChanged, nullptr, announce, 0, 0, WINEVENT_OUTOFCONTEXT);
    g_driver.open(0);
    g_driver.setText("Text1", "100");
    g_driver.setText("Text2", "10");
    for (const char *button : {"Command2", "Command2", "Command6"})
        g_driver.click(button);
    UnhookWinEvent(hook);
    const std::string result = std::to_string(controlId("Label5"));
    CHECK(g_announced == std::vector{result, result});
}

// Cancel on every tab is the end-to-end test's, on the real program.
TEST_CASE("band changes, refresh and the Tab key's cycles")
{
    verify(window_scenarios::clicksChangeOnlyWhatTheyShould(g_driver));
    verify(window_scenarios::tabKeyVisitsTheDesignedCycle(g_driver));
}

TEST_CASE("keys: Enter on a button, Esc, the tab keys")
{
    verify(window_scenarios::keysDoWhatTheRuleSays(g_driver));
}

// The hidden tabs' controls wait for the first idle moment; input that comes first finds them all
// made, in place, in the band's units, and no call was made with a handle not made yet.
TEST_CASE("input before the first idle moment finds every control made")
{
    const std::pair<const char *, void (*)()> inputs[] = {
        {"a key", [] { g_driver.press("Ctrl+Tab", false); }},
        {"a band click", [] { SendMessageW(g_driver.find("Option3"), BM_CLICK, 0, 0); }},
        {"a tab click", [] { g_driver.clickTab(2); }},
        {"a dpi change",
         [] {
             RECT suggested{100, 100, 900, 700};
             SendMessageW(g_driver.window->window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                          reinterpret_cast<LPARAM>(&suggested));
         }},
    };
    for (const auto &[name, input] : inputs) {
        INFO(std::string(name), " before the first idle moment");
        g_driver.openShown();
        g_driver.pump(false);
        CHECK(g_driver.find("Label9") == nullptr);
        input();
        CHECK(g_driver.window->lastFault().empty());
        const int dpi = std::string_view(name) == "a dpi change" ? 144 : 96;
        for (const Control &control : kControls) {
            INFO(std::string(control.name));
            REQUIRE(g_driver.find(control.name) != nullptr);
            const auto px = [dpi](int twips) { return std::to_string(window_behaviour::pixels(twips, dpi)); };
            CHECK(g_driver.placeAndFont(control).starts_with(px(control.left) + " " + px(control.top) + " "
                                                             + px(control.width) + " " + px(control.height) + ","));
        }
        for (const auto &unit : window_behaviour::unitCaptions(g_driver.window->bandFlag())) {
            INFO(std::string(unit.label));
            CHECK(g_driver.text(unit.label) == unit.caption);
        }
    }
    g_driver.window->idle();
    CHECK(g_driver.window->lastFault().empty());
}

// Under a high-contrast scheme every caption is drawn in the scheme's text colour, the band's option
// as chosen, and the results red where red reads clearly on the scheme's background, else in its
// highlight. Under Wine the scheme cannot be switched on (SPI_SETHIGHCONTRAST fails) and its visual
// style ignores the system colours, which Windows' own high-contrast drawing follows: the window is
// told the scheme is on, and its controls are drawn classic, in the system colours.
TEST_CASE("in a high-contrast scheme, every caption in the scheme's colours")
{
    struct Row {
        const char *name;
        COLORREF face;
        COLORREF text;
        COLORREF highlight;
        COLORREF result;
        COLORREF notResult;
    };
    // clang-format off
    const Row rows[] = {
        // scheme  face                text                highlight          result             not the result
        {"black",  RGB(0, 0, 0),       RGB(255, 255, 255), RGB(26, 235, 255), RGB(255, 0, 0),    RGB(26, 235, 255)},
        {"white",  RGB(255, 255, 255), RGB(0, 0, 0),       RGB(55, 0, 110),   RGB(55, 0, 110),   RGB(255, 0, 0)},
    };
    // clang-format on
    for (const Row &row : rows) {
        g_driver.openShown([] { return true; });
        g_driver.pump();
        for (HWND child = GetWindow(g_driver.window->window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            SetWindowTheme(child, L" ", L" ");
        const Scheme scheme(row.face, row.text, row.highlight);
        SendMessageW(g_driver.window->window(), WM_SYSCOLORCHANGE, 0, 0);
        for (const char *result : {"Label5", "Label10", "Label19"})
            g_driver.setText(result, "5.03");
        for (const int tab : {0, 1, 2, 3}) {
            g_driver.clickTab(tab);
            RedrawWindow(g_driver.window->window(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            g_driver.pump();
            const auto count = [](const RECT &box, COLORREF ink, COLORREF paper) {
                return inked(g_driver.window->window(), box, ink, paper);
            };
            INFO("the ", std::string(row.name), " scheme, tab ", tab);
            // A caption's pixels, and around them the scheme's face.
            const auto captionIn = [&count, &row](const RECT &box) {
                const LONG area = (box.right - box.left) * (box.bottom - box.top);
                CHECK(count(box, row.text, row.face) >= 10);
                CHECK(count(box, row.face, row.text) > area / 2);
            };
            for (const Control &control : kControls) {
                if (window_behaviour::tabOf(control) != tab && window_behaviour::tabOf(control) >= 0)
                    continue;
                INFO(std::string(control.name));
                const RECT box = g_driver.placeIn(control.name);
                const LONG middle = (box.top + box.bottom) / 2;
                if (control.kind == Kind::Tabs) {
                    RECT item{};
                    TabCtrl_GetItemRect(g_driver.find("SSTab1"), tab, &item);
                    captionIn({item.left + 3, item.top + 3, item.right - 3, item.bottom - 2});
                } else if (control.kind == Kind::Frame) {
                    // Where the caption breaks the frame's line.
                    captionIn({box.left + 8, box.top, box.left + 56, box.top + 16});
                } else if (control.kind == Kind::Option) {
                    const bool selected = control.name == std::string(kSelectedAtStart);
                    CHECK(count({box.left + 5, middle - 1, box.left + 9, middle + 1}, row.text, row.face)
                          == (selected ? 8 : 0));
                    captionIn({box.left + 16, box.top, box.right, box.bottom});
                } else if (control.kind == Kind::Button) {
                    captionIn({box.left + 4, box.top + 4, box.right - 4, box.bottom - 4});
                } else if (control.kind == Kind::Result) {
                    CHECK(count(box, row.result, row.notResult) >= 10);
                } else if (control.kind == Kind::Label && !g_driver.text(control.name).empty()) {
                    captionIn(box);
                }
            }
        }
    }
}

// The 206 characters of 1e-100 MHz and 1 μH, over a thousand pixels on one line: cut with an
// ellipsis at the smallest size, whole in the tooltip, which lies wholly on the monitor as comctl32
// shows it a moment after the mouse comes to rest over them, and whole when copied; and no Tab stop.
// (The whole and smaller sizes are the shared fitting rule's, with the Qt window's tests.)
TEST_CASE("a result drawn whole, smaller, or visibly cut")
{
    g_driver.open(1);
    ResultBox &box = g_driver.window->resultBox("Label10");
    g_driver.setText("Text4", "1e-100");
    g_driver.setText("Text3", "1");
    g_driver.click("Command1");
    const std::wstring result = windowText(box.window());
    CHECK(result.size() == 206);
    CHECK(box.fit().cut);
    CHECK(box.fit().pointSize == 7);
    CHECK(box.tooltip() == result);
    SendMessageW(box.window(), EM_SETSEL, 0, 0);
    SendMessageW(box.window(), WM_COPY, 0, 0);
    REQUIRE(OpenClipboard(nullptr));
    const auto *copied = static_cast<const wchar_t *>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
    CHECK(std::wstring(copied ? copied : L"") == result);
    GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
    CloseClipboard();
    CHECK((GetWindowLongW(box.window(), GWL_STYLE) & WS_TABSTOP) == 0);
    RECT place{};
    GetWindowRect(box.window(), &place);
    MONITORINFO monitor{.cbSize = sizeof(MONITORINFO), .rcMonitor = {}, .rcWork = {}, .dwFlags = 0};
    GetMonitorInfoW(MonitorFromWindow(box.window(), MONITOR_DEFAULTTONEAREST), &monitor);
    SetCursorPos(place.left + 2, place.top + 2);
    const MSG move{box.window(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2), 0, {place.left + 2, place.top + 2}};
    DispatchMessageW(&move);
    HWND tip = FindWindowW(TOOLTIPS_CLASSW, nullptr);
    for (int wait = 0; wait < 40 && !IsWindowVisible(tip); ++wait) {
        Sleep(50);
        g_driver.pump();
    }
    RECT shown{};
    GetWindowRect(tip, &shown);
    CHECK(IsWindowVisible(tip));
    CHECK(shown.left >= monitor.rcWork.left);
    CHECK(shown.right <= monitor.rcWork.right);
}

// The program file's version record, which Explorer's properties show; the tests carry it too.
TEST_CASE("the version record: 1.0.0.0, by Oztrabel")
{
    std::array<wchar_t, MAX_PATH> path{};
    GetModuleFileNameW(nullptr, path.data(), path.size());
    std::vector<BYTE> version(GetFileVersionInfoSizeW(path.data(), nullptr));
    REQUIRE(GetFileVersionInfoW(path.data(), 0, static_cast<DWORD>(version.size()), version.data()));
    VS_FIXEDFILEINFO *fixed = nullptr;
    wchar_t *company = nullptr;
    UINT size = 0;
    REQUIRE(VerQueryValueW(version.data(), L"\\", reinterpret_cast<void **>(&fixed), &size));
    const auto dotted = [](DWORD high, DWORD low) {
        return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." + std::to_string(HIWORD(low))
            + "." + std::to_string(LOWORD(low));
    };
    CHECK(dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS) == "1.0.0.0");
    CHECK(dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS) == "1.0.0.0");
    REQUIRE(VerQueryValueW(version.data(), L"\\StringFileInfo\\080404b0\\CompanyName",
                           reinterpret_cast<void **>(&company), &size));
    CHECK(std::wstring(company) == L"Oztrabel");
}
