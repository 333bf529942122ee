// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string_view>

// The main window as designed: every control's caption, place and size (in twips, 15 to the
// pixel at 96 dpi), keyboard order and font, the window's own texts, and the messages it shows.
namespace window_design {

inline constexpr int kTwipsPerPixel = 15;

inline constexpr const char *kTitle = "Lirevox               Oztrabel";
inline constexpr int kClientWidth = 7590;
inline constexpr int kClientHeight = 5040;
inline constexpr int kTabStripHeightPixels = 20;
inline constexpr std::array kTabCaptions = {"频率计算", "电容计算", "电感计算", "版权信息"};
// The option that selects the high band, which is selected when the window opens.
inline constexpr const char *kHighBandOption = "Option4";
inline constexpr const char *kSelectedAtStart = kHighBandOption;
// The tab in front when the window opens.
inline constexpr int kTabAtLoad = 0;

// A control's coordinates are relative to the window's client area, to the outer corner of
// Frame1, or to the outer corner of the tab control, tab strip included, for a control on a tab.
enum class Container { Window, Frame1, Tab0, Tab1, Tab2, Tab3 };
enum class Kind { Frame, Option, Tabs, Label, Result, TextBox, Button };
// UiFont is the window's own font; the Song faces are 10.5 pt, 10.5 pt bold and 12 pt.
enum class Font { UiFont, Song, SongBold, SongLarge };

struct FontStyle {
    bool song;
    double pointSize;
    bool bold;
};

// The window's own font is a Simplified Chinese UI face of about 9 points, whose full-width
// characters are 12 pixels wide at 96 dpi, as the design's widths expect.
constexpr FontStyle fontStyle(Font font)
{
    switch (font) {
    case Font::Song:
        return {true, 10.5, false};
    case Font::SongBold:
        return {true, 10.5, true};
    case Font::SongLarge:
        return {true, 12, false};
    case Font::UiFont:
        break;
    }
    return {false, 9, false};
}

// Song (宋体) where the system has it, otherwise an installed Ming/Song-style CJK serif face;
// and Simplified Chinese UI faces for the window's own font where the system names none.
inline constexpr std::array<std::string_view, 6> kSongFaces
    = {"宋体", "SimSun", "Noto Serif CJK SC", "Songti SC", "AR PL UMing CN", "Source Han Serif SC"};
inline constexpr std::array<std::string_view, 5> kUiFaces
    = {"Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Micro Hei", "Microsoft YaHei", "PingFang SC"};

struct Rgb {
    int red;
    int green;
    int blue;
};

// The results' text colour, the only colour the design sets.
inline constexpr Rgb kResultColour{255, 0, 0};

struct Control {
    const char *name;
    Kind kind;
    Container container;
    const char *caption;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    Font font;
};

using enum Container;
using enum Kind;
using enum Font;

// The six band-dependent unit labels start with their own names as captions; the window's
// load step replaces them before the first frame.
// clang-format off
inline constexpr std::array kControls = std::to_array<Control>({
    // name       kind        container caption           left  top   width height tab font
    {"Frame1",    Frame,      Window,   "频率选择",         120,  120, 7335,  615, 23, UiFont},
    {"Option4",   Option,     Frame1,   "高频",            1440,  240,  975,  255, 24, UiFont},
    {"Option3",   Option,     Frame1,   "低频",            2880,  240,  855,  255, 25, UiFont},
    {"SSTab1",    Tabs,       Window,   "",                 120,  840, 7335, 4095,  0, UiFont},

    {"Label1",    Label,      Tab0,     "电容值：",        1080, 1200,  855,  255,  3, UiFont},
    {"Text1",     TextBox,    Tab0,     "",                1920, 1080, 1815,  375,  5, UiFont},
    {"Label3",    Label,      Tab0,     "pF(皮法)",        3960, 1200, 1215,  255,  7, Song},
    {"Label2",    Label,      Tab0,     "电感值：",        1080, 1680,  855,  375,  4, UiFont},
    {"Text2",     TextBox,    Tab0,     "",                1920, 1560, 1815,  375,  6, UiFont},
    {"Label4",    Label,      Tab0,     "Label4",          3960, 1560, 1335,  375,  8, Song},
    {"Label7",    Label,      Tab0,     "频率值=",         1800, 2520,  975,  375, 11, SongLarge},
    {"Label5",    Result,     Tab0,     "",                2760, 2520, 1095,  375,  9, SongBold},
    {"Label6",    Label,      Tab0,     "Label6",          4200, 2520, 1215,  375, 10, Song},
    {"Command6",  Button,     Tab0,     "刷 新",           2760, 3360, 1095,  375, 42, Song},
    {"Command2",  Button,     Tab0,     "计 算",           4080, 3360, 1215,  375,  2, Song},
    {"Command3",  Button,     Tab0,     "取 消",           5520, 3360, 1215,  375,  1, Song},

    {"Label14",   Label,      Tab1,     "频率值：",        1080, 1200,  855,  255, 22, UiFont},
    {"Text4",     TextBox,    Tab1,     "",                1920, 1080, 1815,  375, 13, UiFont},
    {"Label9",    Label,      Tab1,     "Label9",          3960, 1200, 1215,  375, 17, Song},
    {"Label13",   Label,      Tab1,     "电感值：",        1080, 1680,  855,  375, 21, UiFont},
    {"Text3",     TextBox,    Tab1,     "",                1920, 1560, 1815,  375, 12, UiFont},
    {"Label11",   Label,      Tab1,     "Label11",         3960, 1680, 1335,  375, 19, Song},
    {"Label8",    Label,      Tab1,     "电容值=",         1800, 2520,  975,  375, 16, SongLarge},
    {"Label10",   Result,     Tab1,     "",                2760, 2520, 1095,  375, 18, SongBold},
    {"Label12",   Label,      Tab1,     "pF(皮法)",        4200, 2520, 1095,  255, 20, Song},
    {"Command7",  Button,     Tab1,     "刷 新",           2760, 3360, 1095,  375, 43, Song},
    {"Command1",  Button,     Tab1,     "计 算",           4080, 3360, 1215,  375, 14, Song},
    {"Command10", Button,     Tab1,     "取 消",           5520, 3360, 1215,  375, 15, Song},

    {"Label15",   Label,      Tab2,     "频率值：",        1080, 1200,  855,  255, 30, UiFont},
    {"Text5",     TextBox,    Tab2,     "",                1920, 1080, 1815,  375, 28, UiFont},
    {"Label20",   Label,      Tab2,     "Label20",         3960, 1200, 1215,  375, 35, Song},
    {"Label16",   Label,      Tab2,     "电容值：",        1080, 1680,  855,  375, 31, UiFont},
    {"Text6",     TextBox,    Tab2,     "",                1920, 1560, 1815,  375, 29, UiFont},
    {"Label17",   Label,      Tab2,     "pF(皮法)",        3960, 1680, 1215,  255, 32, Song},
    {"Label21",   Label,      Tab2,     "电感值=",         1800, 2520,  975,  375, 36, SongLarge},
    {"Label19",   Result,     Tab2,     "",                2760, 2520, 1095,  375, 34, SongBold},
    {"Label18",   Label,      Tab2,     "Label18",         4080, 2520, 1095,  375, 33, Song},
    {"Command11", Button,     Tab2,     "刷 新",           2760, 3360, 1095,  375, 44, Song},
    {"Command5",  Button,     Tab2,     "计 算",           4080, 3360, 1215,  375, 27, Song},
    {"Command4",  Button,     Tab2,     "取 消",           5520, 3360, 1215,  375, 26, Song},

    // Every address and number here is fictional.
    {"Label22",   Label,      Tab3,     "版权所有：",      1080, 1080,  975,  255, 37, UiFont},
    {"Label23",   Label,      Tab3,     "Oztrabel",        2280, 1080, 3855,  255, 38, UiFont},
    {"Label24",   Label,      Tab3,     "联系电话：555-0100（示例）", 2280, 1560, 3255, 375, 39, UiFont},
    {"Label25",   Label,      Tab3,     "公司网址：www.oztrabel.example", 2280, 2040, 3495, 375, 40, UiFont},
    {"Label26",   Label,      Tab3,     "经营范围：电子仪器、电感电容元件、电路计算软件", 2280, 2520, 4815, 375, 41, UiFont},
});
// clang-format on

// The caption that names each entry box and each result for screen readers, and the label
// that names its unit.
struct Described {
    const char *control;
    const char *caption;
    const char *unit;
};

inline constexpr std::array kDescriptions = std::to_array<Described>({
    {"Text1", "Label1", "Label3"},
    {"Text2", "Label2", "Label4"},
    {"Text4", "Label14", "Label9"},
    {"Text3", "Label13", "Label11"},
    {"Text5", "Label15", "Label20"},
    {"Text6", "Label16", "Label17"},
    {"Label5", "Label7", "Label6"},
    {"Label10", "Label8", "Label12"},
    {"Label19", "Label21", "Label18"},
});

// What each calculator tab computes, with its controls: the entries in the order the formula takes
// them, the result, its three buttons, and what its refresh clears, in that order.
enum class Calculator { Frequency, Capacitance, Inductance };

struct CalculatorTab {
    Calculator calculator;
    const char *upper;
    const char *lower;
    const char *result;
    const char *compute;
    const char *refresh;
    const char *cancel;
    std::array<const char *, 3> cleared;
};

// clang-format off
inline constexpr std::array kCalculatorTabs = std::to_array<CalculatorTab>({
    // calculator           upper    lower    result     compute     refresh      cancel       cleared by refresh
    {Calculator::Frequency,   "Text1", "Text2", "Label5",  "Command2", "Command6",  "Command3",  {"Text1", "Text2", "Label5"}},
    {Calculator::Capacitance, "Text4", "Text3", "Label10", "Command1", "Command7",  "Command10", {"Text3", "Text4", "Label10"}},
    {Calculator::Inductance,  "Text5", "Text6", "Label19", "Command5", "Command11", "Command4",  {"Text5", "Text6", "Label19"}},
});
// clang-format on

inline constexpr const char *kMicrohenry = "μH(微亨)";
inline constexpr const char *kMillihenry = "mH(毫亨)";
inline constexpr const char *kMegahertz = "MHz(兆赫)";
inline constexpr const char *kKilohertz = "KHz(千赫)";

inline constexpr const char *kErrorTitle = "错误信息";
inline constexpr const char *kErrorButton = "确定";
inline constexpr const char *kBlankEntry = "请输入计算参数信息！";
inline constexpr const char *kNotNumeric = "请输入数值型参数信息！";
inline constexpr const char *kDivisionByZero = "除数为零，请检查输入的参数！";
inline constexpr const char *kOverflow = "数值溢出，请检查输入的参数！";
inline constexpr const char *kInvalidOperation = "无效的运算，请检查输入的参数！";
inline constexpr const char *kCannotCompute = "无法完成计算，请检查输入的参数！";

} // namespace window_design
