// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "control_ids.h"
#include "main_window.h"
#include "wide_text.h"
#include "window_design.h"

#include <doctest/doctest.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

// The Windows window as a user drives it: clicks on its buttons, keys through the message loop's
// own path, texts typed in its boxes, every control found by its ID from the main window.
namespace {

using namespace window_design;

std::unique_ptr<Frm_main> g_window;

HWND find(const char *name)
{
    return GetDlgItem(g_window->window(), controlId(name));
}

// A control's text, "_" for none.
std::string text(const char *name)
{
    const std::string shown = narrow(windowText(find(name)));
    return shown.empty() ? "_" : shown;
}

ResultBox &result(const char *name)
{
    return g_window->resultBox(name);
}

// The messages waiting, as the program's loop handles them.
void pump()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            return PostQuitMessage(static_cast<int>(message.wParam));
        if (!g_window->translateKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// A new window on the given tab. Closing the last one posted the end of the program, which a
// modal loop would obey.
void open(int tab = 0)
{
    g_window.reset();
    MSG quit{};
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    g_window = std::make_unique<Frm_main>(GetModuleHandleW(nullptr));
    g_window->show(SW_SHOWNORMAL);
    pump();
    TabCtrl_SetCurSel(find("SSTab1"), tab);
    NMHDR header{find("SSTab1"), static_cast<UINT_PTR>(controlId("SSTab1")), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(g_window->window(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void press(WPARAM key, bool shift = false, bool control = false)
{
    std::array<BYTE, 256> keys{};
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys.data());
    const MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    if (!g_window->translateKey(message))
        DispatchMessageW(&message);
    keys.fill(0);
    SetKeyboardState(keys.data());
    pump();
}

std::string focusName()
{
    const int id = GetDlgCtrlID(GetFocus());
    const auto *found
        = std::ranges::find_if(kControls, [id](const Control &each) { return controlId(each.name) == id; });
    return found == kControls.end() ? "?" : std::string(found->name).starts_with("Option") ? "band" : found->name;
}

// Clicks a button; returns "title|prompt|button|buttons, icons" of the message box it opened, if
// any, read and closed from a timer that the box's modal loop runs.
std::string g_seenBox;

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

std::string click(const char *button)
{
    g_seenBox.clear();
    SetTimer(nullptr, 0, 0, readMessageBox);
    SendMessageW(find(button), BM_CLICK, 0, 0);
    pump();
    return g_seenBox;
}

// A number as the user's locale writes it: '.' its decimal separator, ',' its group separator.
std::string local(const std::string &number)
{
    std::array<wchar_t, 8> decimal{};
    std::array<wchar_t, 8> group{};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal.data(), decimal.size());
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, group.data(), group.size());
    std::string written;
    for (const char c : number)
        written += c == '.' ? narrow(decimal.data()) : c == ',' ? narrow(group.data()) : std::string(1, c);
    return written;
}

// A control's place relative to its container, "left top width height", and its font.
std::string placeAndFont(const char *name)
{
    const Control &control = *std::ranges::find(kControls, std::string_view(name), &Control::name);
    RECT box{};
    GetWindowRect(find(name), &box);
    POINT origin{};
    if (control.container == Container::Window) {
        ClientToScreen(g_window->window(), &origin);
    } else {
        RECT container{};
        GetWindowRect(find(control.container == Container::Frame1 ? "Frame1" : "SSTab1"), &container);
        origin = {container.left, container.top};
    }
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(find(name), WM_GETFONT, 0, 0)), sizeof font, &font);
    const std::string face = narrow(font.lfFaceName);
    const bool song = std::ranges::find(kSongFaces, face) != kSongFaces.end();
    const bool ui = face == "Noto Sans CJK SC" || face.starts_with("Microsoft YaHei");
    return std::to_string(box.left - origin.x) + " " + std::to_string(box.top - origin.y) + " "
        + std::to_string(box.right - box.left) + " " + std::to_string(box.bottom - box.top) + ", "
        + (song     ? "Song "
               : ui ? "UI "
                    : face + " ")
        + std::to_string(font.lfHeight) + (font.lfWeight == FW_BOLD ? " bold" : "")
        + (font.lfCharSet == GB2312_CHARSET ? "" : " not GB2312");
}

std::string clientAndTabs(bool height)
{
    RECT area{};
    GetClientRect(g_window->window(), &area);
    RECT tab{};
    TabCtrl_GetItemRect(find("SSTab1"), 3, &tab);
    return std::to_string(area.right) + (height ? " x " + std::to_string(area.bottom) : "") + ", tabs to "
        + std::to_string(tab.right) + " x " + std::to_string(tab.bottom - tab.top);
}

} // namespace

// At the dpi the window starts at, 96 or 144, then at the other after Windows tells of a change.
// Wine keeps its frame at the system's dpi where Windows scales it too, so after a change only the
// client area's width is the design's there.
TEST_CASE("every control by its ID, at its design place, size and font, at 96 and 144 dpi")
{
    struct Row {
        const char *name;
        const char *at96;
        const char *at144;
    };
    // clang-format off
    const Row rows[] = {
        {"Frame1",   "8 8 489 41, UI -12",            "12 12 734 62, UI -18"},
        {"Option3",  "192 16 57 17, UI -12",          "288 24 86 26, UI -18"},
        {"SSTab1",   "8 56 489 273, UI -12",          "12 84 734 410, UI -18"},
        {"Text1",    "128 72 121 25, UI -12",         "192 108 182 38, UI -18"},
        {"Label3",   "264 80 81 17, Song -14",        "396 120 122 26, Song -21"},
        {"Command3", "368 224 81 25, Song -14",       "552 336 122 38, Song -21"},
        {"Label8",   "120 168 65 25, Song -16",       "180 252 98 38, Song -24"},
        {"Label10",  "184 168 73 25, Song -14 bold",  "276 252 110 38, Song -21 bold"},
        {"Label18",  "272 168 73 25, Song -14",       "408 252 110 38, Song -21"},
        {"Label26",  "152 168 321 25, UI -12",        "228 252 482 38, UI -18"},
    };
    // clang-format on
    open();
    std::string kinds;
    for (const Control &control : kControls) {
        std::array<char, 32> kind{};
        GetClassNameA(find(control.name), kind.data(), kind.size());
        kinds += GetParent(find(control.name)) == g_window->window() ? kind[0] : '?';
    }
    CHECK(kinds
          == "BBBS"
             "SESSESSESBBB"
             "SESSESSESBBB"
             "SESSESSESBBB"
             "SSSSS");
    CHECK(controlId("Command11") + controlId("Label26") + controlId("Text6") == 1011 + 3026 + 2006);
    CHECK(controlId("Option3") + controlId("Frame1") + controlId("SSTab1") == 4003 + 5001 + 6001);
    // A result's font is the one it shows a result in.
    result("Label10").setResult(L"5.");
    HDC screen = GetDC(nullptr);
    const bool startsAt144 = GetDeviceCaps(screen, LOGPIXELSY) == 144;
    ReleaseDC(nullptr, screen);
    for (const bool at144 : {startsAt144, !startsAt144}) {
        const bool start = at144 == startsAt144;
        if (!start) {
            RECT suggested{100, 100, 900, 700};
            const WPARAM dpi = at144 ? MAKEWPARAM(144, 144) : MAKEWPARAM(96, 96);
            SendMessageW(g_window->window(), WM_DPICHANGED, dpi, reinterpret_cast<LPARAM>(&suggested));
        }
        INFO((at144 ? "144" : "96"), " dpi", (start ? " at start" : " after a change"));
        CHECK(clientAndTabs(start)
              == (at144 ? (start ? "759 x 504" : "759") + std::string(", tabs to 730 x 30")
                        : (start ? "506 x 336" : "506") + std::string(", tabs to 486 x 20")));
        for (const Row &row : rows)
            CHECK(placeAndFont(row.name) == (at144 ? row.at144 : row.at96));
        // Every other control too, at the design's measures in its container.
        for (const Control &control : kControls) {
            const auto px
                = [&](int twips) { return std::to_string(window_behaviour::pixels(twips, at144 ? 144 : 96)); };
            INFO(control.name);
            CHECK(placeAndFont(control.name)
                      .starts_with(px(control.left) + " " + px(control.top) + " " + px(control.width) + " "
                                   + px(control.height) + ","));
        }
    }
    const LONG style = GetWindowLongW(g_window->window(), GWL_STYLE);
    CHECK((style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU)) == WS_SYSMENU);
    CHECK(narrow(windowText(g_window->window())) == kTitle);
}

// From where the window puts the focus when it opens: the tab control.
TEST_CASE("the Tab key's cycles on every tab, and Ctrl+Tab")
{
    struct Row {
        int tab;
        bool backwards;
        const char *cycle;
    };
    // clang-format off
    const Row rows[] = {
        {0, false, "SSTab1 Command3 Command2 Text1 Text2 band Command6 SSTab1"},
        {1, false, "SSTab1 Text3 Text4 Command1 Command10 band Command7 SSTab1"},
        {2, false, "SSTab1 band Command4 Command5 Text5 Text6 Command11 SSTab1"},
        {3, false, "SSTab1 band SSTab1"},
        {2, true, "SSTab1 Command11 Text6 Text5 Command5 Command4 band SSTab1"},
    };
    // clang-format on
    for (const Row &row : rows) {
        INFO("tab ", row.tab, row.backwards ? " backwards" : "");
        open(row.tab);
        std::string seen = focusName();
        do {
            press(VK_TAB, row.backwards);
            seen += " " + focusName();
        } while (focusName() != "SSTab1" && seen.size() < 200);
        CHECK(seen == row.cycle);
    }
    open();
    SetFocus(find("Text1"));
    press(VK_TAB, false, true);
    press(VK_TAB, false, true);
    std::string seen = std::to_string(TabCtrl_GetCurSel(find("SSTab1"))) + " " + focusName();
    for (int i = 0; i < 3; ++i)
        press(VK_TAB, true, true);
    CHECK(seen + ", " + std::to_string(TabCtrl_GetCurSel(find("SSTab1"))) == "2 SSTab1, 3");
    CHECK(IsWindowVisible(find("Label22")) + IsWindowVisible(find("Text1")) * 2 == 1);
}

// Every entry and result set to its own name or 1.5, then the row's steps on a tab.
TEST_CASE("band changes, refresh and cancel change only what they should")
{
    struct Row {
        int tab;
        std::vector<const char *> steps;
        const char *shown;
    };
    // clang-format off
    const Row rows[] = {
        {3, {"Option3"}, "1 Text1 Text2 _ Text3 Text4 _ Text5 Text6 _"},
        {3, {"Right"}, "1 Text1 Text2 _ Text3 Text4 _ Text5 Text6 _"},
        {3, {"Option3", "Option4"}, "2 Text1 Text2 _ Text3 Text4 _ Text5 Text6 _"},
        {3, {"Option4"}, "2 Text1 Text2 1.5 Text3 Text4 1.5 Text5 Text6 1.5"},
        {0, {"Command6"}, "2 _ _ _ Text3 Text4 1.5 Text5 Text6 1.5"},
        {1, {"Command7"}, "2 Text1 Text2 1.5 _ _ _ Text5 Text6 1.5"},
        {2, {"Command11"}, "2 Text1 Text2 1.5 Text3 Text4 1.5 _ _ _"},
    };
    // clang-format on
    const char *names[] = {"Text1", "Text2", "Label5", "Text3", "Text4", "Label10", "Text5", "Text6", "Label19"};
    for (const Row &row : rows) {
        INFO(row.steps.front());
        open(row.tab);
        for (const char *name : names)
            name[0] == 'T' ? (void)SetWindowTextW(find(name), widen(name).c_str()) : result(name).setResult(L"1.5");
        SetFocus(find("Option4"));
        for (const std::string step : row.steps)
            step == "Right" ? press(VK_RIGHT) : (void)SendMessageW(find(step.c_str()), BM_CLICK, 0, 0);
        std::string shown = std::to_string(g_window->bandFlag());
        for (const char *name : names)
            shown += " " + text(name);
        CHECK(shown == row.shown);
        CHECK(text("Label4") + text("Label6") + text("Label9") + text("Label11") + text("Label20") + text("Label18")
              == (shown[0] == '1' ? "mH(毫亨)KHz(千赫)KHz(千赫)mH(毫亨)KHz(千赫)mH(毫亨)"
                                  : "μH(微亨)MHz(兆赫)MHz(兆赫)μH(微亨)MHz(兆赫)μH(微亨)"));
        CHECK(TabCtrl_GetCurSel(find("SSTab1")) == row.tab);
    }
    for (const CalculatorTab &tab : kCalculatorTabs) {
        INFO(tab.cancel);
        open(static_cast<int>(&tab - kCalculatorTabs.data()));
        HWND window = g_window->window();
        SendMessageW(find(tab.cancel), BM_CLICK, 0, 0);
        MSG quit{};
        CHECK(!IsWindow(window) + PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) * 2 + quit.wParam * 4 == 3);
    }
}

// A row names the band, the calculator tab and its entries; a failed computation shows its message
// and keeps the entries and the last result.
TEST_CASE("computes")
{
    struct Row {
        const char *band;
        int tab;
        const char *upper;
        const char *lower;
        const char *shown;
    };
    // clang-format off
    const Row rows[] = {
        {"Option4", 1, "10", "2.53", "100.12"},
        {"Option3", 1, "0.05", "10", "1013211870.99"},
        {"Option3", 2, "100", "253.3", "10."},
        {"Option4", 2, "１０", "１００\t", "2.53"},
        {"Option3", 0, "470", "10", "73.41"},
        {"Option4", 1, "", "1", "错误信息|请输入计算参数信息！|确定|1, 0"},
        {"Option4", 1, "2,53", "1", "错误信息|请输入数值型参数信息！|确定|1, 0"},
        {"Option3", 1, "100", "1,000", "2.53"},
        {"Option4", 1, "0", "1", "错误信息|除数为零，请检查输入的参数！|确定|1, 0"},
        {"Option4", 1, "1e300", "0", "错误信息|无效的运算，请检查输入的参数！|确定|1, 0"},
        {"Option4", 1, "1e999", "1", "错误信息|数值溢出，请检查输入的参数！|确定|1, 0"},
    };
    // clang-format on
    for (const Row &row : rows) {
        INFO(row.band, " ", row.upper, " ", row.lower);
        open(row.tab);
        const CalculatorTab &tab = kCalculatorTabs.at(static_cast<std::size_t>(row.tab));
        SendMessageW(find(row.band), BM_CLICK, 0, 0);
        SetWindowTextW(find(tab.upper), widen(local(row.upper)).c_str());
        SetWindowTextW(find(tab.lower), widen(local(row.lower)).c_str());
        result(tab.result).setResult(L"7");
        const std::string message = click(tab.compute);
        const std::string shown = message.empty() ? local(row.shown) : row.shown;
        CHECK((message.empty() ? text(tab.result) : message) == shown);
        CHECK(text(tab.upper) + "|" + text(tab.lower) + "|" + text(tab.result)
              == (*row.upper ? local(row.upper) : "_") + "|" + local(row.lower) + "|"
                  + (message.empty() ? shown : "7"));
    }
}

// Drawn whole at its own size or smaller, or cut with an ellipsis, and then whole in the tooltip;
// copying takes the whole result, and the result is no Tab stop.
TEST_CASE("a result drawn whole, smaller, or visibly cut")
{
    struct Row {
        std::wstring result;
        const char *drawn;
    };
    const Row rows[] = {{L".", "own size"}, {L"1013211870.99", "smaller"}, {std::wstring(203, L'8') + L".25", "cut"}};
    open(1);
    ResultBox &box = result("Label10");
    for (const Row &row : rows) {
        INFO(row.drawn);
        box.setResult(row.result);
        const auto &fit = box.fit();
        CHECK(std::string(fit.cut ? "cut" : fit.ownSize ? "own size" : "smaller") == row.drawn);
        CHECK(box.tooltip() == (fit.ownSize ? std::wstring() : row.result));
        CHECK(fit.pointSize >= 7);
        SendMessageW(box.window(), EM_SETSEL, 0, 0);
        SendMessageW(box.window(), WM_COPY, 0, 0);
        REQUIRE(OpenClipboard(nullptr));
        const auto *copied = static_cast<const wchar_t *>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
        CHECK(std::wstring(copied ? copied : L"") == row.result);
        GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
        CloseClipboard();
    }
    CHECK((GetWindowLongW(box.window(), GWL_STYLE) & WS_TABSTOP) == 0);
    // The 206 characters of 1e-100 MHz and 1 μH, over a thousand pixels on one line: their tooltip
    // lies wholly on the monitor, as comctl32 shows it a moment after the mouse comes to rest there.
    SetWindowTextW(find("Text4"), L"1e-100");
    SetWindowTextW(find("Text3"), L"1");
    click("Command1");
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
        pump();
    }
    RECT shown{};
    GetWindowRect(tip, &shown);
    CHECK((IsWindowVisible(tip) && shown.left >= monitor.rcWork.left && shown.right <= monitor.rcWork.right));
}

// The program file's icon and version record, which the tests carry too.
TEST_CASE("the icon is 24 x 24 in 256 colours, and the version 1.0.0.0")
{
    const auto *icons = static_cast<const BYTE *>(
        LockResource(LoadResource(nullptr, FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_GROUP_ICON))));
    REQUIRE(icons);
    std::string entries; // GRPICONDIR, then 14-byte entries: width, height, colours, ..., bits at 6
    for (const BYTE *entry = icons + 6; entry < icons + 6 + 14 * icons[4]; entry += 14)
        entries += std::to_string(entry[0] ? entry[0] : 256) + "x" + std::to_string(entry[6]) + " ";
    CHECK(entries == "24x8 48x32 256x32 ");
    std::array<wchar_t, MAX_PATH> path{};
    GetModuleFileNameW(nullptr, path.data(), path.size());
    std::vector<BYTE> version(GetFileVersionInfoSizeW(path.data(), nullptr));
    REQUIRE(GetFileVersionInfoW(path.data(), 0, static_cast<DWORD>(version.size()), version.data()));
    VS_FIXEDFILEINFO *fixed = nullptr;
    wchar_t *company = nullptr;
    UINT size = 0;
    REQUIRE(VerQueryValueW(version.data(), L"\\", reinterpret_cast<void **>(&fixed), &size));
    REQUIRE(VerQueryValueW(version.data(), L"\\StringFileInfo\\080404b0\\CompanyName",
                           reinterpret_cast<void **>(&company), &size));
    CHECK(fixed->dwFileVersionMS + fixed->dwFileVersionLS + fixed->dwProductVersionMS == 2 * 0x00010000);
    CHECK(std::wstring(company) == L"Oztrabel");
}

// What Microsoft Active Accessibility tells a screen reader of an entry and a result. Wine's oleacc
// takes no Dynamic Annotation: there the names come from the Z order alone, with no description.
TEST_CASE("screen readers hear captions, values and units")
{
    open();
    SetWindowTextW(find("Text1"), L"100");
    result("Label5").setResult(L"5.03");
    IAccPropServices *annotations = nullptr;
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void **>(&annotations));
    const bool annotated = annotations
        && annotations->SetHwndPropStr(find("Label1"), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_HELP,
                                       L"")
            == S_OK;
    if (annotations)
        annotations->Release();
    for (const auto &[name, said] :
         {std::pair{"Text1", "电容值：|100|pF(皮法)|"}, {"Label5", "频率值=|5.03|MHz(兆赫)|"}}) {
        IAccessible *accessible = nullptr;
        REQUIRE(SUCCEEDED(AccessibleObjectFromWindow(find(name), static_cast<DWORD>(OBJID_CLIENT),
                                                     __uuidof(IAccessible), reinterpret_cast<void **>(&accessible))));
        const VARIANT self{.vt = VT_I4, .lVal = CHILDID_SELF};
        std::wstring heard;
        for (auto property :
             {&IAccessible::get_accName, &IAccessible::get_accValue, &IAccessible::get_accDescription}) {
            BSTR part = nullptr;
            heard += ((accessible->*property)(self, &part) == S_OK && part ? part : L"-") + std::wstring(L"|");
            SysFreeString(part);
        }
        accessible->Release();
        const std::string expected = said;
        CHECK(narrow(heard)
              == (annotated ? expected : expected.substr(0, expected.rfind('|', expected.size() - 2)) + "|-|"));
    }
}
