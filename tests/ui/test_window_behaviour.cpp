// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "window_behaviour.h"

#include <doctest/doctest.h>

#include <new>
#include <string>

using namespace window_behaviour;
using window_design::Calculator;
using window_design::Kind;

// What the windows' scenarios leave to this one: the flag before the load step reads as the low
// band, a blank entry masks a non-numeric one, and reading an entry can fail too.
TEST_CASE("a compute answers a result or a message")
{
    const auto entry = [](const char *text) { return [text] { return std::string(text); }; };
    const auto shown = [](const ComputeOutcome &outcome) { return outcome.message ? outcome.message : outcome.result; };
    CHECK(shown(compute(Calculator::Capacitance, entry("100"), entry("10"), 0, {})) == "253.3");
    CHECK(shown(compute(Calculator::Frequency, entry("  "), entry("abc"), 2, {})) == "请输入计算参数信息！");
    const auto failing = []() -> std::string { throw std::bad_alloc(); };
    CHECK(shown(compute(Calculator::Inductance, failing, failing, 2, {})) == "无法完成计算，请检查输入的参数！");
}

// The windows' scenarios go round every tab's cycle; from a control that is no stop, such as a
// result the mouse focused, the Tab key goes on from its place in the keyboard order.
TEST_CASE("the Tab key from a control that is no stop")
{
    // clang-format off
    struct Row {
        const char *from;
        bool forward;
        int front;
        const char *selected;
        const char *next;
    };
    const Row rows[] = {
        // from     forward front selected   next
        {"Label10", true,   1,    "Option4", "Option4"},
        {"Label10", false,  1,    "Option4", "Command10"},
        {"Label5",  false,  0,    "Option3", "Text2"},
        {"Label22", false,  3,    "Option3", "Option3"},
        {"SSTab1",  false,  2,    "Option4", "Command11"},
        {"SSTab1",  true,   0,    "Option4", "Command3"},
    };
    // clang-format on
    for (const Row &row : rows) {
        INFO("from ", std::string(row.from));
        CAPTURE(row.forward);
        CHECK(std::string(nextTabStop(row.from, row.forward, row.front, row.selected).name) == std::string(row.next));
    }
}

// The design's measures at other dpis than 96, as the Windows window lays itself out.
TEST_CASE("twips to pixels, to the nearest pixel")
{
    CHECK(pixels(7590, 120) == 633); // 632.5, half a pixel up
    CHECK(pixels(7, 96) == 0); // 0.47, down
}

TEST_CASE("a caption sits on its label's bottom edge only when its line is taller than the label")
{
    CHECK(sitsOnBottom(17, 18));
    CHECK_FALSE(sitsOnBottom(17, 17));
}

// Rows name the largest size at which a made-up result fits: drawn at that size, in half points
// down to 7, below which it is cut.
TEST_CASE("a result drawn at its own size, smaller, or cut")
{
    struct Row {
        double widest;
        double size;
        const char *drawn;
    };
    const Row rows[] = {
        {10.5, 10.5, "own size"},
        {8.7, 8.5, "smaller"},
        {7.0, 7.0, "smaller"},
        {6.5, 7.0, "cut"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.widest);
        const ResultFit fit = fitResult(10.5, [&row](double points) { return points <= row.widest; });
        CHECK(fit.pointSize == row.size);
        CHECK(std::string(fit.cut ? "cut" : fit.ownSize ? "own size" : "smaller") == std::string(row.drawn));
    }
}

TEST_CASE("a tooltip's lines break between characters, never inside one")
{
    const auto lines = tooltipLines("1234567μ9", [](std::string_view line) { return line.size() <= 4; });
    CHECK(lines == std::vector<std::string>{"1234", "567", "μ9"});
}

// What the windows' key scenarios leave to the rule's own table. Rows: the key, what is focused, the
// tab in front.
TEST_CASE("what a key does")
{
    const auto said = [](const KeyOutcome &outcome) {
        switch (outcome.action) {
        case KeyAction::Default:
            return std::string("default");
        case KeyAction::Nothing:
            return std::string("nothing");
        case KeyAction::NextStop:
            return std::string("next stop");
        case KeyAction::PreviousStop:
            return std::string("previous stop");
        case KeyAction::PressButton:
            return std::string("press");
        case KeyAction::SelectTab:
            break;
        }
        return "tab " + std::to_string(outcome.tab);
    };
    // clang-format off
    struct Row {
        const char *name;
        KeyPress press;
        Kind focused;
        int front;
        const char *action;
    };
    const Row rows[] = {
        {"PageDown",             {Key::PageDown},               Kind::TextBox, 1, "default"},
        {"Right on the strip",   {Key::Right},                  Kind::Tabs,    3, "tab 0"},
        {"Left on the strip",    {Key::Left},                   Kind::Tabs,    0, "tab 3"},
        {"Right in a box",       {Key::Right},                  Kind::TextBox, 0, "default"},
        {"End in a box",         {Key::End},                    Kind::TextBox, 1, "default"},
        {"Enter on the strip",   {Key::Enter},                  Kind::Tabs,    2, "tab 2"},
        {"Enter on an option",   {Key::Enter},                  Kind::Option,  0, "nothing"},
        {"a letter",             {Key::Other},                  Kind::TextBox, 0, "default"},
    };
    // clang-format on
    for (const Row &row : rows) {
        INFO(std::string(row.name));
        CHECK(said(keyOutcome(row.press, row.focused, row.front, Host::Desktop)) == std::string(row.action));
    }
    // The browser keeps Ctrl+Tab and Ctrl+PageDown/PageUp for its own tabs.
    CHECK(said(keyOutcome({Key::Tab, true}, Kind::TextBox, 1, Host::Browser)) == "default");
    CHECK(said(keyOutcome({Key::PageUp, true}, Kind::Tabs, 1, Host::Browser)) == "default");
}

// Every text the window shows, exactly: full-width colons, ASCII parentheses and equals signs, one
// blank inside each button's caption.
TEST_CASE("the window's own texts")
{
    std::string all = window_design::kTitle;
    for (const char *caption : window_design::kTabCaptions)
        all += std::string("|") + caption;
    for (const auto &control : window_design::kControls)
        all += std::string("|") + control.caption;
    CHECK(
        all
        == "Lirevox               Oztrabel|频率计算|电容计算|电感计算|版权信息|频率选择|高频|低频||电容值：||pF(皮法)|"
           "电感值：||Label4|频率值=||Label6|刷 新|计 算|取 消|频率值：||Label9|电感值：||Label11|电容值=||pF(皮法)|"
           "刷 新|计 算|取 消|频率值：||Label20|电容值：||pF(皮法)|电感值=||Label18|刷 新|计 算|取 消|版权所有：|"
           "Oztrabel|联系电话：555-0100（示例）|公司网址：www.oztrabel.example|"
           "经营范围：电子仪器、电感电容元件、电路计算软件");
}

// A result as the screen readers hear it is the Orca test's; while empty, a result is its caption.
TEST_CASE("what a screen reader says of an empty result")
{
    CHECK(spokenResult("电容值=", "", "pF(皮法)") == "电容值");
}
