// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "window_behaviour.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

using namespace window_behaviour;
using window_design::Calculator;

// Each row: the calculator, the flag, both entries as typed; the result as its label shows it, or
// the message shown instead.
TEST_CASE("a compute answers a result or a message")
{
    struct Row {
        Calculator calculator;
        BandFlag flag;
        const char *upper;
        const char *lower;
        const char *shown;
    };
    // clang-format off
    const Row rows[] = {
        {Calculator::Capacitance, 2, "10", "2.53", "100.12"},
        {Calculator::Capacitance, 1, "100", "10", "253.3"},
        {Calculator::Capacitance, 0, "100", "10", "253.3"},
        {Calculator::Inductance, 1, "100", "253.3", "10."},
        {Calculator::Inductance, 2, "10", "100", "2.53"},
        {Calculator::Frequency, 2, "100", "10", "5.03"},
        {Calculator::Frequency, 1, "470", "10", "73.41"},
        {Calculator::Frequency, 2, "  ", "abc", "请输入计算参数信息！"},
        {Calculator::Frequency, 2, "1", "abc", "请输入数值型参数信息！"},
        {Calculator::Capacitance, 2, "0", "1", "除数为零，请检查输入的参数！"},
        {Calculator::Frequency, 2, "-100", "10", "无效的运算，请检查输入的参数！"},
        {Calculator::Inductance, 2, "1e999", "1", "数值溢出，请检查输入的参数！"},
    };
    // clang-format on
    for (const Row &row : rows) {
        INFO(static_cast<int>(row.calculator), " flag ", row.flag, " ", row.upper, " ", row.lower);
        const ComputeOutcome outcome = compute(
            row.calculator, [&] { return std::string(row.upper); }, [&] { return std::string(row.lower); }, row.flag,
            {});
        CHECK((outcome.message ? outcome.message : outcome.result) == std::string(row.shown));
    }
}

TEST_CASE("the band's unit captions")
{
    struct Row {
        BandFlag flag;
        const char *captions;
    };
    const Row rows[] = {
        {2, "Label4 μH(微亨) Label6 MHz(兆赫) Label9 MHz(兆赫) Label11 μH(微亨) Label20 MHz(兆赫) Label18 μH(微亨) "},
        {1, "Label4 mH(毫亨) Label6 KHz(千赫) Label9 KHz(千赫) Label11 mH(毫亨) Label20 KHz(千赫) Label18 mH(毫亨) "},
        {0, "Label4 mH(毫亨) Label6 KHz(千赫) Label9 KHz(千赫) Label11 mH(毫亨) Label20 KHz(千赫) Label18 mH(毫亨) "},
    };
    for (const Row &row : rows) {
        std::string seen;
        for (const UnitCaption &unit : unitCaptions(row.flag))
            seen += std::string(unit.label) + " " + unit.caption + " ";
        CHECK(seen == row.captions);
    }
    CHECK(bandFlagFor(true) * 10 + bandFlagFor(false) == 21);
}

// From the tab control, round the whole cycle and back to it.
TEST_CASE("the Tab key's cycles")
{
    struct Row {
        int front;
        bool forward;
        const char *option;
        const char *cycle;
    };
    // clang-format off
    const Row rows[] = {
        {0, true, "Option4", "Command3 Command2 Text1 Text2 Option4 Command6 SSTab1"},
        {1, true, "Option4", "Text3 Text4 Command1 Command10 Option4 Command7 SSTab1"},
        {2, true, "Option3", "Option3 Command4 Command5 Text5 Text6 Command11 SSTab1"},
        {3, true, "Option4", "Option4 SSTab1"},
        {1, false, "Option3", "Command7 Option3 Command10 Command1 Text4 Text3 SSTab1"},
    };
    // From a control that is no stop: a result the mouse focused, on its own tab.
    CHECK(std::string(nextTabStop("Label10", true, 1, "Option4").name) == "Option4");
    CHECK(std::string(nextTabStop("Label10", false, 1, "Option4").name) == "Command10");
    CHECK(std::string(nextTabStop("Label5", false, 0, "Option4").name) == "Text2");
    // clang-format on
    for (const Row &row : rows) {
        INFO("tab ", row.front, row.forward ? " forward" : " backward");
        std::string seen;
        std::string at = "SSTab1";
        do {
            at = nextTabStop(at, row.forward, row.front, row.option).name;
            seen += (seen.empty() ? "" : " ") + at;
        } while (at != "SSTab1" && seen.size() < 200);
        CHECK(seen == row.cycle);
    }
}

TEST_CASE("twips as pixels, and where each control lies")
{
    struct Row {
        int twips;
        int dpi;
        int pixels;
    };
    const Row rows[] = {{7335, 96, 489}, {7335, 144, 734}, {615, 144, 62}, {7590, 120, 633}, {5040, 192, 672}};
    for (const Row &row : rows) {
        INFO(row.twips, " twips at ", row.dpi, " dpi");
        CHECK(pixels(row.twips, row.dpi) == row.pixels);
    }
    std::string tabs;
    for (const auto &control : window_design::kControls)
        tabs += std::to_string(tabOf(control) + 1);
    CHECK(tabs == "0000111111111111222222222222333333333333" "44444");
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
    const Row rows[] = {{12, 10.5, false, true}, {10.5, 10.5, false, true}, {8.7, 8.5, false, false},
                        {7, 7, false, false}, {6.5, 7, true, false}};
    for (const Row &row : rows) {
        INFO("fits up to ", row.widest, " pt");
        const ResultFit fit = fitResult(10.5, [&](double size) { return size <= row.widest; });
        CHECK(fit.pointSize == row.pointSize);
        CHECK(fit.cut == row.cut);
        CHECK(fit.ownSize == row.ownSize);
    }
}

TEST_CASE("what a screen reader says")
{
    CHECK(spokenResult("频率值=", "5.03", "MHz(兆赫)") == "频率值 5.03 MHz(兆赫)");
    CHECK(spokenResult("电容值=", "", "pF(皮法)") == "电容值");
    CHECK(sitsOnBottom(17, 18));
    CHECK_FALSE(sitsOnBottom(17, 17));
}
