// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "window_behaviour.h"

#include <doctest/doctest.h>

#include <new>
#include <string>

using namespace window_behaviour;
using window_design::Calculator;

// What both windows' tests leave to this one: the flag before the load step reads as the low band,
// a blank entry masks a non-numeric one, and reading an entry can fail too.
TEST_CASE("a compute answers a result or a message")
{
    struct Row {
        Calculator calculator;
        BandFlag flag;
        const char *upper;
        const char *lower;
        const char *shown;
    };
    const Row rows[] = {
        {Calculator::Capacitance, 0, "100", "10", "253.3"},
        {Calculator::Frequency, 2, "  ", "abc", "请输入计算参数信息！"},
        {Calculator::Frequency, 2, "-100", "10", "无效的运算，请检查输入的参数！"},
    };
    for (const Row &row : rows) {
        INFO(row.upper, " ", row.lower);
        const auto entry = [](const char *text) { return [text] { return std::string(text); }; };
        const ComputeOutcome outcome = compute(row.calculator, entry(row.upper), entry(row.lower), row.flag, {});
        CHECK((outcome.message ? outcome.message : outcome.result) == std::string(row.shown));
    }
    const auto failing = []() -> std::string { throw std::bad_alloc(); };
    CHECK(std::string(compute(Calculator::Inductance, failing, failing, 2, {}).message)
          == "无法完成计算，请检查输入的参数！");
    CHECK(std::string(unitCaptions(0)[5].caption) + unitCaptions(2)[0].caption == "mH(毫亨)μH(微亨)");
    CHECK(bandFlagFor(true) * 10 + bandFlagFor(false) == 21);
}

// The windows' tests go round every tab's cycle; from a control that is no stop, such as a result
// the mouse focused, the Tab key goes on from its place in the keyboard order.
TEST_CASE("the Tab key from a control that is no stop, and where each control lies")
{
    CHECK(std::string(nextTabStop("Label10", true, 1, "Option4").name) == "Option4");
    CHECK(std::string(nextTabStop("Label10", false, 1, "Option4").name) == "Command10");
    CHECK(std::string(nextTabStop("Label5", false, 0, "Option3").name) == "Text2");
    CHECK(std::string(nextTabStop("Label22", false, 3, "Option3").name) == "Option3");
    std::string tabs;
    for (const auto &control : window_design::kControls)
        tabs += std::to_string(tabOf(control) + 1);
    CHECK(tabs == "000011111111111122222222222233333333333344444");
    CHECK(pixels(7590, 120) * 1000 + pixels(5040, 192) == 633672);
}

TEST_CASE("a result drawn at its own size, smaller, or cut")
{
    struct Row {
        double widest;
        double pointSize;
        bool cut;
        bool ownSize;
    };
    // The largest size at which the made-up result fits.
    const Row rows[] = {
        {12, 10.5, false, true}, {10.5, 10.5, false, true}, {8.7, 8.5, false, false},
        {7, 7, false, false},    {6.5, 7, true, false},
    };
    for (const Row &row : rows) {
        INFO("fits up to ", row.widest, " pt");
        const ResultFit fit = fitResult(10.5, [&](double size) { return size <= row.widest; });
        CHECK(fit.pointSize == row.pointSize);
        CHECK(fit.cut == row.cut);
        CHECK(fit.ownSize == row.ownSize);
    }
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

TEST_CASE("what a screen reader says, and where a caption sits")
{
    CHECK(spokenResult("频率值=", "5.03", "MHz(兆赫)") == "频率值 5.03 MHz(兆赫)");
    CHECK(spokenResult("电容值=", "", "pF(皮法)") == "电容值");
    CHECK(sitsOnBottom(17, 18));
    CHECK_FALSE(sitsOnBottom(17, 17));
}
