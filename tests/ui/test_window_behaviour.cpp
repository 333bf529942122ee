// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "window_behaviour.h"

#include <doctest/doctest.h>

#include <new>
#include <string>
#include <tuple>

using namespace window_behaviour;
using window_design::Calculator;

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
    std::string stops;
    // clang-format off
    for (const auto &[from, forward, tab, option] : {std::tuple{"Label10", true, 1, "Option4"},
             {"Label10", false, 1, "Option4"}, {"Label5", false, 0, "Option3"}, {"Label22", false, 3, "Option3"},
             {"SSTab1", false, 2, "Option4"}, {"SSTab1", true, 0, "Option4"}})
        // clang-format on
        stops += std::string(nextTabStop(from, forward, tab, option).name) + " ";
    CHECK(stops == "Option4 Command10 Text2 Option3 Command11 Command3 ");
    CHECK(pixels(7590, 120) * 1000 + pixels(5040, 192) == 633672);
}

// Rows name the largest size at which a made-up result fits: drawn at that size, in half points
// down to 7, below which it is cut.
TEST_CASE("a result drawn at its own size, smaller, or cut")
{
    // clang-format off
    for (const auto &[widest, size, drawn] : {std::tuple{12.0, 10.5, "own size"}, {10.5, 10.5, "own size"},
             {8.7, 8.5, "smaller"}, {7.0, 7.0, "smaller"}, {6.5, 7.0, "cut"}}) {
        // clang-format on
        const ResultFit fit = fitResult(10.5, [limit = widest](double points) { return points <= limit; });
        CHECK(fit.pointSize == size);
        CHECK(std::string(fit.cut ? "cut" : fit.ownSize ? "own size" : "smaller") == drawn);
    }
    const auto lines = tooltipLines("1234567μ9", [](std::string_view line) { return line.size() <= 4; });
    CHECK(lines == std::vector<std::string>{"1234", "567", "μ9"});
}

// Every text the window shows, exactly: full-width colons, ASCII parentheses and equals signs, one
// blank inside each button's caption.
TEST_CASE("the window's own texts, and what a screen reader says")
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
    CHECK(spokenResult("频率值=", "5.03", "MHz(兆赫)") + spokenResult("电容值=", "", "pF(皮法)")
          == "频率值 5.03 MHz(兆赫)电容值");
    CHECK(sitsOnBottom(17, 18) + sitsOnBottom(17, 17) * 2 == 1);
}
