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
// own path, texts typed in its boxes, found by their IDs from the main window.
namespace {

using namespace window_design;

std::unique_ptr<Frm_main> g_window;

HWND find(const char *name)
{
    return GetDlgItem(g_window->window(), controlId(name));
}

std::string text(const char *name)
{
    return narrow(windowText(find(name)));
}

// The messages waiting, as the program's loop handles them.
void pump()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (!g_window->translateKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// A new window. Closing the last one posted the end of the program, which a modal loop would obey.
Frm_main &open()
{
    g_window.reset();
    MSG quit{};
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    g_window = std::make_unique<Frm_main>(GetModuleHandleW(nullptr));
    g_window->show(SW_SHOWNORMAL);
    pump();
    return *g_window;
}

void press(WPARAM key, bool shift = false, bool control = false)
{
    std::array<BYTE, 256> keys{};
    GetKeyboardState(keys.data());
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys.data());
    const MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    if (!g_window->translateKey(message))
        DispatchMessageW(&message);
    keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
    SetKeyboardState(keys.data());
    pump();
}

void selectTab(int index)
{
    TabCtrl_SetCurSel(find("SSTab1"), index);
    NMHDR header{find("SSTab1"), static_cast<UINT_PTR>(controlId("SSTab1")), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(g_window->window(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

std::string focusName()
{
    const int id = GetDlgCtrlID(GetFocus());
    if (id == controlId("Option3") || id == controlId("Option4"))
        return "band";
    for (const Control &each : kControls)
        if (controlId(each.name) == id)
            return each.name;
    return "?";
}

// What the message box a click opens shows: "title|prompt|button|buttons, icons".
std::string g_seenBox;

void CALLBACK readMessageBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            std::array<wchar_t, 16> className{};
            GetClassNameW(window, className.data(), className.size());
            if (std::wstring(className.data()) == L"#32770")
                *reinterpret_cast<HWND *>(found) = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    KillTimer(nullptr, timer);
    int buttons = 0;
    int icons = 0;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::array<wchar_t, 16> className{};
        GetClassNameW(child, className.data(), className.size());
        buttons += std::wstring(className.data()) == L"Button";
        icons += (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && SendMessageW(child, STM_GETICON, 0, 0);
    }
    g_seenBox = narrow(windowText(box)) + "|" + narrow(windowText(GetDlgItem(box, 0xFFFF))) + "|"
              + narrow(windowText(GetDlgItem(box, IDOK))) + "|" + std::to_string(buttons) + ", "
              + std::to_string(icons);
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

std::string local(std::string number)
{
    std::array<wchar_t, 8> decimal{};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal.data(), decimal.size());
    std::ranges::replace(number, '.', '\x01');
    const std::string separator = narrow(decimal.data());
    for (auto at = number.find('\x01'); at != std::string::npos; at = number.find('\x01'))
        number.replace(at, 1, separator);
    return number;
}

// A control's place relative to its container, as "left top width height".
std::string place(const char *name)
{
    const Control &control = *std::ranges::find(kControls, std::string_view(name), &Control::name);
    RECT box{};
    GetWindowRect(find(name), &box);
    MapWindowPoints(nullptr, g_window->window(), reinterpret_cast<POINT *>(&box), 2);
    if (control.container != Container::Window) {
        RECT container{};
        GetWindowRect(find(control.container == Container::Frame1 ? "Frame1" : "SSTab1"), &container);
        MapWindowPoints(nullptr, g_window->window(), reinterpret_cast<POINT *>(&container), 1);
        OffsetRect(&box, -container.left, -container.top);
    }
    return std::to_string(box.left) + " " + std::to_string(box.top) + " " + std::to_string(box.right - box.left)
         + " " + std::to_string(box.bottom - box.top);
}

std::string fontOf(const char *name)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(find(name), WM_GETFONT, 0, 0)), sizeof font, &font);
    const std::string face = narrow(font.lfFaceName);
    const bool song = std::ranges::find(kSongFaces, face) != kSongFaces.end();
    return std::string(song ? "Song " : face == "Noto Sans CJK SC" || face.starts_with("Microsoft YaHei") ? "UI " : "? ")
         + std::to_string(font.lfHeight) + (font.lfWeight == FW_BOLD ? " bold" : "")
         + (font.lfCharSet == GB2312_CHARSET ? "" : " not GB2312");
}

} // namespace

TEST_CASE("every control by its ID, on the main window, in its kind of window")
{
    open();
    std::string kinds;
    for (const Control &control : kControls) {
        HWND window = find(control.name);
        REQUIRE_MESSAGE(window, control.name);
        CHECK(GetParent(window) == g_window->window());
        std::array<wchar_t, 32> className{};
        GetClassNameW(window, className.data(), className.size());
        kinds += narrow(className.data()).substr(0, 1);
    }
    CHECK(kinds == "BBBS" "SESSESSESBBB" "SESSESSESBBB" "SESSESSESBBB" "SSSSS");
    CHECK(controlId("Command11") * 10000 + controlId("Label26") == 10113026);
    CHECK(controlId("Option3") + controlId("Frame1") + controlId("SSTab1") == 4003 + 5001 + 6001);
}

// At the dpi the window starts at, 96 or 144, then at the other after Windows tells of a change.
TEST_CASE("the window and its controls at their design places, sizes and fonts, at 96 and 144 dpi")
{
    struct Row {
        const char *name;
        const char *at96;
        const char *font96;
        const char *at144;
        const char *font144;
    };
    // clang-format off
    const Row rows[] = {
        {"Frame1",   "8 8 489 41",     "UI -12",        "12 12 734 62",   "UI -18"},
        {"Option3",  "192 16 57 17",   "UI -12",        "288 24 86 26",   "UI -18"},
        {"SSTab1",   "8 56 489 273",   "UI -12",        "12 84 734 410",  "UI -18"},
        {"Text1",    "128 72 121 25",  "UI -12",        "192 108 182 38", "UI -18"},
        {"Label3",   "264 80 81 17",   "Song -14",      "396 120 122 26", "Song -21"},
        {"Command3", "368 224 81 25",  "Song -14",      "552 336 122 38", "Song -21"},
        {"Label8",   "120 168 65 25",  "Song -16",      "180 252 98 38",  "Song -24"},
        {"Label10",  "184 168 73 25",  "Song -14 bold", "276 252 110 38", "Song -21 bold"},
        {"Label18",  "272 168 73 25",  "Song -14",      "408 252 110 38", "Song -21"},
        {"Label26",  "152 168 321 25", "UI -12",        "228 252 482 38", "UI -18"},
    };
    // clang-format on
    open();
    // A result's font is the one it shows a result in.
    const_cast<ResultBox &>(g_window->result("Label10")).setResult(L"5.");
    HDC screen = GetDC(nullptr);
    const bool startsAt144 = GetDeviceCaps(screen, LOGPIXELSY) == 144;
    ReleaseDC(nullptr, screen);
    // Wine keeps its frame at the system's dpi where Windows scales it too, so after a change only
    // the client area's width is the design's there.
    const auto client = [](bool height) {
        RECT area{};
        GetClientRect(g_window->window(), &area);
        RECT tab{};
        TabCtrl_GetItemRect(find("SSTab1"), 3, &tab);
        return std::to_string(area.right) + (height ? " x " + std::to_string(area.bottom) : std::string())
             + ", tabs to " + std::to_string(tab.right) + " x " + std::to_string(tab.bottom - tab.top);
    };
    const auto check = [&](bool at144, bool start) {
        INFO((at144 ? "144" : "96"), " dpi", (start ? " at start" : " after a change"));
        CHECK(client(start) == (at144 ? (start ? "759 x 504" : "759") + std::string(", tabs to 730 x 30")
                                      : (start ? "506 x 336" : "506") + std::string(", tabs to 486 x 20")));
        for (const Row &row : rows) {
            INFO(row.name);
            CHECK(place(row.name) == (at144 ? row.at144 : row.at96));
            CHECK(fontOf(row.name) == (at144 ? row.font144 : row.font96));
        }
    };
    check(startsAt144, true);
    RECT suggested{100, 100, 900, 700};
    const int other = startsAt144 ? 96 : 144;
    SendMessageW(g_window->window(), WM_DPICHANGED, MAKEWPARAM(other, other), reinterpret_cast<LPARAM>(&suggested));
    check(!startsAt144, false);
    const LONG style = GetWindowLongW(g_window->window(), GWL_STYLE);
    CHECK((style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0);
    CHECK((style & WS_SYSMENU) != 0);
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
        open();
        CHECK(focusName() == "SSTab1");
        selectTab(row.tab);
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
    press(VK_TAB, true, true);
    press(VK_TAB, true, true);
    press(VK_TAB, true, true);
    seen += ", " + std::to_string(TabCtrl_GetCurSel(find("SSTab1")));
    CHECK(seen == "2 SSTab1, 3");
    CHECK(IsWindowVisible(find("Label22")));
    CHECK_FALSE(IsWindowVisible(find("Text1")));
}

// Every entry and result set to its own name or 1.5, then the row's steps on a tab.
TEST_CASE("band changes, refresh and cancel change only what they should")
{
    struct Row {
        const char *steps;
        const char *shown;
    };
    // clang-format off
    const Row rows[] = {
        {"3 Option3", "1 Text1 Text2 _ Text3 Text4 _ Text5 Text6 _"},
        {"3 Right", "1 Text1 Text2 _ Text3 Text4 _ Text5 Text6 _"},
        {"3 Option3 Option4", "2 Text1 Text2 _ Text3 Text4 _ Text5 Text6 _"},
        {"3 Option4", "2 Text1 Text2 1.5 Text3 Text4 1.5 Text5 Text6 1.5"},
        {"0 Command6", "2 _ _ _ Text3 Text4 1.5 Text5 Text6 1.5"},
        {"1 Command7", "2 Text1 Text2 1.5 _ _ _ Text5 Text6 1.5"},
        {"2 Command11", "2 Text1 Text2 1.5 Text3 Text4 1.5 _ _ _"},
    };
    // clang-format on
    const char *names[] = {"Text1", "Text2", "Label5", "Text3", "Text4", "Label10", "Text5", "Text6", "Label19"};
    for (const Row &row : rows) {
        INFO(row.steps);
        open();
        const std::string steps = row.steps;
        selectTab(steps[0] - '0');
        for (const char *name : names)
            name[0] == 'T' ? (void)SetWindowTextW(find(name), widen(name).c_str())
                           : const_cast<ResultBox &>(g_window->result(name)).setResult(L"1.5");
        SetFocus(find("Option4"));
        for (std::size_t at = 2; at < steps.size();) {
            const std::size_t end = std::min(steps.find(' ', at), steps.size());
            const std::string step = steps.substr(at, end - at);
            step == "Right" ? press(VK_RIGHT) : (void)SendMessageW(find(step.c_str()), BM_CLICK, 0, 0);
            pump();
            at = end + 1;
        }
        std::string shown = std::to_string(g_window->bandFlag());
        for (const char *name : names)
            shown += " " + (text(name).empty() ? std::string("_") : text(name));
        CHECK(shown == row.shown);
        const bool low = shown[0] == '1';
        CHECK(text("Label4") + text("Label6") + text("Label9") + text("Label11") + text("Label20") + text("Label18")
              == (low ? "mH(毫亨)KHz(千赫)KHz(千赫)mH(毫亨)KHz(千赫)mH(毫亨)"
                      : "μH(微亨)MHz(兆赫)MHz(兆赫)μH(微亨)MHz(兆赫)μH(微亨)"));
        CHECK(TabCtrl_GetCurSel(find("SSTab1")) == steps[0] - '0');
    }
    for (const char *cancel : {"Command3", "Command10", "Command4"}) {
        INFO(cancel);
        open();
        HWND window = g_window->window();
        SendMessageW(find(cancel), BM_CLICK, 0, 0);
        MSG quit{};
        CHECK_FALSE(IsWindow(window));
        CHECK(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        CHECK(quit.wParam == 0);
    }
}

// A row names the band and the entries of the calculator whose controls it holds.
TEST_CASE("computes")
{
    struct Row {
        const char *band;
        const char *calculator;
        const char *upper;
        const char *lower;
        const char *shown;
    };
    const char *capacitance = "Text4 Text3 Label10 Command1";
    // clang-format off
    const Row rows[] = {
        {"Option4", capacitance, "10", "2.53", "100.12"},
        {"Option3", capacitance, "0.05", "10", "1013211870.99"},
        {"Option3", "Text5 Text6 Label19 Command5", "100", "253.3", "10."},
        {"Option4", "Text5 Text6 Label19 Command5", "１０", "１００\t", "2.53"},
        {"Option3", "Text1 Text2 Label5 Command2", "470", "10", "73.41"},
        {"Option4", capacitance, "", "1", "错误信息|请输入计算参数信息！|确定|1, 0"},
        {"Option4", capacitance, "abc", "1", "错误信息|请输入数值型参数信息！|确定|1, 0"},
        {"Option4", capacitance, "0", "1", "错误信息|除数为零，请检查输入的参数！|确定|1, 0"},
        {"Option4", capacitance, "1e300", "0", "错误信息|无效的运算，请检查输入的参数！|确定|1, 0"},
        {"Option4", capacitance, "1e999", "1", "错误信息|数值溢出，请检查输入的参数！|确定|1, 0"},
    };
    // clang-format on
    for (const Row &row : rows) {
        INFO(row.band, " ", row.upper, " ", row.lower);
        open();
        const std::string names = row.calculator;
        std::vector<std::string> control;
        for (std::size_t at = 0; at < names.size(); at = names.find(' ', at) + 1) {
            control.push_back(names.substr(at, names.find(' ', at) - at));
            if (names.find(' ', at) == std::string::npos)
                break;
        }
        SendMessageW(find(row.band), BM_CLICK, 0, 0);
        SetWindowTextW(find(control[0].c_str()), widen(local(row.upper)).c_str());
        SetWindowTextW(find(control[1].c_str()), widen(local(row.lower)).c_str());
        const_cast<ResultBox &>(g_window->result(control[2].c_str())).setResult(L"7");
        const std::string message = click(control[3].c_str());
        const std::string shown = message.empty() ? text(control[2].c_str()) : message;
        CHECK(shown == (message.empty() ? local(row.shown) : row.shown));
        CHECK(text(control[0].c_str()) + "|" + text(control[1].c_str()) + "|" + text(control[2].c_str())
              == local(row.upper) + "|" + local(row.lower) + "|" + (message.empty() ? local(row.shown) : "7"));
    }
}

// Drawn whole at its own size or smaller, or cut with an ellipsis, and then whole in the tooltip;
// copying takes the whole result.
TEST_CASE("a result drawn whole, smaller, or visibly cut")
{
    struct Row {
        std::wstring result;
        const char *drawn;
    };
    const Row rows[] = {
        {L".", "own size"},
        {L"1013211870.99", "smaller"},
        {std::wstring(296, L'8') + L".25", "cut"},
    };
    open();
    auto &box = const_cast<ResultBox &>(g_window->result("Label10"));
    for (const Row &row : rows) {
        INFO(narrow(row.result).substr(0, 20));
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
}

// The program file's icon and version record, which the tests carry too.
TEST_CASE("the icon is 24 x 24 in 256 colours, and the version 1.0.0.0")
{
    HRSRC group = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    REQUIRE(group);
    const auto *directory = static_cast<const BYTE *>(LockResource(LoadResource(nullptr, group)));
    // GRPICONDIR: reserved, type, count; then 14-byte entries of width, height, colours, ..., bits.
    const int count = directory[4];
    std::string entries;
    for (int i = 0; i < count; ++i) {
        const BYTE *entry = directory + 6 + 14 * i;
        entries += std::to_string(entry[0] ? entry[0] : 256) + "x" + std::to_string(entry[6]) + " ";
    }
    CHECK(entries == "24x8 48x32 256x32 ");
    std::array<wchar_t, MAX_PATH> path{};
    GetModuleFileNameW(nullptr, path.data(), path.size());
    std::vector<BYTE> version(GetFileVersionInfoSizeW(path.data(), nullptr));
    REQUIRE(GetFileVersionInfoW(path.data(), 0, static_cast<DWORD>(version.size()), version.data()));
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT size = 0;
    REQUIRE(VerQueryValueW(version.data(), L"\\", reinterpret_cast<void **>(&fixed), &size));
    CHECK(fixed->dwFileVersionMS == 0x00010000);
    CHECK(fixed->dwFileVersionLS == 0);
    CHECK(fixed->dwProductVersionMS == 0x00010000);
    wchar_t *company = nullptr;
    REQUIRE(VerQueryValueW(version.data(), L"\\StringFileInfo\\080404b0\\CompanyName",
                           reinterpret_cast<void **>(&company), &size));
    CHECK(std::wstring(company) == L"Oztrabel");
}

// What Microsoft Active Accessibility tells a screen reader of an entry and a result.
TEST_CASE("screen readers hear captions, values and units")
{
    open();
    const auto said = [](const char *name) {
        IAccessible *accessible = nullptr;
        REQUIRE(SUCCEEDED(AccessibleObjectFromWindow(find(name), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                     reinterpret_cast<void **>(&accessible))));
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        std::wstring all;
        for (auto property : {&IAccessible::get_accName, &IAccessible::get_accValue, &IAccessible::get_accDescription}) {
            BSTR text = nullptr;
            all += (accessible->*property)(self, &text) == S_OK && text ? text : L"-";
            all += L"|";
            SysFreeString(text);
        }
        accessible->Release();
        return narrow(all);
    };
    SetWindowTextW(find("Text1"), L"100");
    const_cast<ResultBox &>(g_window->result("Label5")).setResult(L"5.03");
    // Wine's oleacc takes no Dynamic Annotation, so there the names come from the Z order alone and
    // no description is given.
    IAccPropServices *annotations = nullptr;
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void **>(&annotations));
    const bool annotated = annotations
                        && annotations->SetHwndPropStr(find("Label1"), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                       PROPID_ACC_HELP, L"")
                               == S_OK;
    if (annotations)
        annotations->Release();
    CHECK(said("Text1") == (annotated ? "电容值：|100|pF(皮法)|" : "电容值：|100|-|"));
    CHECK(said("Label5") == (annotated ? "频率值=|5.03|MHz(兆赫)|" : "频率值=|5.03|-|"));
}
