// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include "window_design.h"

#include <string>
#include <tuple>
#include <vector>

// What a user does with the window, written once for every front-end's tests: each supplies a
// driver that opens its window (on a tab, clicked to the front) and clicks, types and presses keys
// (Tab, Shift+Tab, Right, and those of keysDoWhatTheRuleSays) as a user does; it reads texts, the control with the
// focus ("band" for an option), the band flag, the tab in front, and the message box a click opened, as
// "title|prompt|button|buttons, icons". A scenario answers what it saw and what it wanted, a line a
// row, each named by its input, for any test framework to compare.
namespace window_scenarios {

struct Outcome {
    std::string seen;
    std::string wanted;
    void add(const std::string &row, const std::string &shown, const std::string &expected)
    {
        seen += row + ": " + shown + "\n", wanted += row + ": " + expected + "\n";
    }
};

// A row names the band, the tab and its entries; a failed computation shows its message and keeps
// the entries and the last result.
template<typename Driver>
Outcome computes(Driver &driver)
{
    // clang-format off
    const std::tuple<const char *, int, const char *, const char *, const char *> rows[] = {
        {"Option4", 1, "10",    "2.53",   "100.12"},
        {"Option3", 1, "100",   "1,000",  "2.53"},
        {"Option3", 2, "100",   "253.3",  "10."},
        {"Option4", 2, "１０",  "１００\t", "2.53"},
        {"Option3", 0, "470",   "10",     "73.41"},
        {"Option4", 1, "",      "1",      "请输入计算参数信息！"},
        {"Option4", 1, "2,53",  "1",      "请输入数值型参数信息！"},
        {"Option4", 1, "0",     "1",      "除数为零，请检查输入的参数！"},
        {"Option4", 1, "1e300", "0",      "无效的运算，请检查输入的参数！"},
        {"Option4", 1, "1e999", "1",      "数值溢出，请检查输入的参数！"},
    };
    // clang-format on
    // A number written with '.' and ',' as the locale writes it, with the driver's separators.
    const auto local = [&driver](const std::string &number) {
        std::string written;
        for (const char c : number)
            written += c == '.' ? driver.decimal : c == ',' ? driver.group : std::string(1, c);
        return written;
    };
    Outcome outcome;
    for (const auto &[band, index, upper, lower, shown] : rows) {
        const auto &tab = window_design::kCalculatorTabs.at(static_cast<std::size_t>(index));
        driver.open(index);
        driver.click(band);
        driver.setText(tab.upper, local(upper));
        driver.setText(tab.lower, local(lower));
        driver.setText(tab.result, "7");
        const std::string message = driver.click(tab.compute);
        const bool fails = static_cast<unsigned char>(shown[0]) >= 0x80;
        const std::string name = std::string(band) + ", " + upper + ", " + lower;
        outcome.add(name, message, fails ? std::string("错误信息|") + shown + "|确定|1, 0" : "");
        outcome.add(name, driver.text(tab.upper) + "|" + driver.text(tab.lower) + "|" + driver.text(tab.result),
                    local(upper) + "|" + local(lower) + "|" + (fails ? "7" : local(shown)));
    }
    return outcome;
}

// Every entry set to its own name and every result to 1.5, then the row's steps on a tab: the
// band's units change on every tab and empty the results, and a refresh clears its own tab only.
template<typename Driver>
Outcome clicksChangeOnlyWhatTheyShould(Driver &driver)
{
    // clang-format off
    const std::tuple<int, std::vector<const char *>, const char *> rows[] = {
        {3, {"Option3"},            "1 Text1 Text2 _ Text3 Text4 _ Text5 Text6 _"},
        {3, {"Right"},              "1 Text1 Text2 _ Text3 Text4 _ Text5 Text6 _"},
        {3, {"Option3", "Option4"}, "2 Text1 Text2 _ Text3 Text4 _ Text5 Text6 _"},
        {3, {"Option4"},            "2 Text1 Text2 1.5 Text3 Text4 1.5 Text5 Text6 1.5"},
        {0, {"Command6"},           "2 _ _ _ Text3 Text4 1.5 Text5 Text6 1.5"},
        {1, {"Command7"},           "2 Text1 Text2 1.5 _ _ _ Text5 Text6 1.5"},
        {2, {"Command11"},          "2 Text1 Text2 1.5 Text3 Text4 1.5 _ _ _"},
    };
    // clang-format on
    const char *names[] = {"Text1", "Text2", "Label5", "Text3", "Text4", "Label10", "Text5", "Text6", "Label19"};
    Outcome outcome;
    for (const auto &[tab, clicks, wanted] : rows) {
        driver.open(tab);
        for (const char *name : names)
            driver.setText(name, name[0] == 'T' ? name : "1.5");
        driver.focusOn("Option4");
        std::string steps = std::to_string(tab);
        for (const std::string step : clicks) {
            step == "Right" ? driver.press(step) : (void)driver.click(step.c_str());
            steps += " " + step;
        }
        std::string shown = std::to_string(driver.bandFlag());
        for (const char *name : names)
            shown += " " + (driver.text(name).empty() ? "_" : driver.text(name));
        std::string units;
        for (const char *unit : {"Label4", "Label6", "Label9", "Label11", "Label20", "Label18"})
            units += driver.text(unit);
        outcome.add(steps, shown + " on tab " + std::to_string(driver.frontTab()),
                    wanted + std::string(" on tab ") + std::to_string(tab));
        outcome.add(steps, units,
                    shown[0] == '1' ? "mH(毫亨)KHz(千赫)KHz(千赫)mH(毫亨)KHz(千赫)mH(毫亨)"
                                    : "μH(微亨)MHz(兆赫)MHz(兆赫)μH(微亨)MHz(兆赫)μH(微亨)");
    }
    return outcome;
}

// The Tab key's cycle on each tab, from where the window puts the focus when it opens.
template<typename Driver>
Outcome tabKeyVisitsTheDesignedCycle(Driver &driver)
{
    // clang-format off
    const std::tuple<int, const char *, const char *> rows[] = {
        {0, "Tab",       "SSTab1 Command3 Command2 Text1 Text2 band Command6 SSTab1"},
        {1, "Tab",       "SSTab1 Text3 Text4 Command1 Command10 band Command7 SSTab1"},
        {2, "Tab",       "SSTab1 band Command4 Command5 Text5 Text6 Command11 SSTab1"},
        {3, "Tab",       "SSTab1 band SSTab1"},
        {2, "Shift+Tab", "SSTab1 Command11 Text6 Text5 Command5 Command4 band SSTab1"},
    };
    // clang-format on
    Outcome outcome;
    for (const auto &[tab, key, cycle] : rows) {
        driver.open(tab);
        std::string seen = driver.focus();
        do {
            driver.press(key);
            seen += " " + driver.focus();
        } while (driver.focus() != "SSTab1" && seen.size() < 200);
        outcome.add("tab " + std::to_string(tab) + ", " + key, seen, cycle);
    }
    return outcome;
}

// A key pressed with a control focused, on a calculator tab whose entries compute 100.12 and whose
// result shows 7: Enter presses the focused button only, Esc nothing, and the tab keys select tabs,
// wrapping round, from wherever the focus is.
template<typename Driver>
Outcome keysDoWhatTheRuleSays(Driver &driver)
{
    // clang-format off
    const std::tuple<int, const char *, const char *, const char *> rows[] = {
        // tab focus       key               tab after, focus after, entries and result after
        {1, "Command1",  "Enter",          "1 Command1 10|2.53|100.12"},
        {1, "Command7",  "Enter",          "1 Command7 ||"},
        {1, "Text4",     "Enter",          "1 Text4 10|2.53|7"},
        {1, "Command1",  "Escape",         "1 Command1 10|2.53|7"},
        {1, "Text4",     "Escape",         "1 Text4 10|2.53|7"},
        {1, "Text4",     "Ctrl+Tab",       "2 SSTab1 10|2.53|7"},
        {1, "Command1",  "Ctrl+Shift+Tab", "0 SSTab1 10|2.53|7"},
        {1, "SSTab1",    "Ctrl+PageDown",  "2 SSTab1 10|2.53|7"},
        {1, "Text3",     "Ctrl+PageUp",    "0 SSTab1 10|2.53|7"},
        {3, "SSTab1",    "Ctrl+Tab",       "0 SSTab1 10|2.53|7"},
        {0, "SSTab1",    "Ctrl+Shift+Tab", "3 SSTab1 10|2.53|7"},
        {1, "SSTab1",    "Home",           "0 SSTab1 10|2.53|7"},
        {1, "SSTab1",    "End",            "3 SSTab1 10|2.53|7"},
    };
    // clang-format on
    const auto &tab = window_design::kCalculatorTabs[1];
    // The numbers as written with '.', whatever the driver's decimal separator.
    const auto plain = [&driver](std::string number) {
        if (const auto at = number.find(driver.decimal); at != std::string::npos)
            number.replace(at, driver.decimal.size(), ".");
        return number;
    };
    Outcome outcome;
    for (const auto &[front, focus, key, wanted] : rows) {
        driver.open(front);
        driver.setText(tab.upper, "10");
        driver.setText(tab.lower, "2" + driver.decimal + "53");
        driver.setText(tab.result, "7");
        driver.focusOn(focus);
        driver.press(key);
        outcome.add("tab " + std::to_string(front) + ", " + key + " on " + focus,
                    std::to_string(driver.frontTab()) + " " + driver.focus() + " " + driver.text(tab.upper) + "|"
                        + plain(driver.text(tab.lower)) + "|" + plain(driver.text(tab.result)),
                    wanted);
    }
    return outcome;
}

} // namespace window_scenarios
