// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include "window_design.h"
#include "window_scenarios_data.h"

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// What a user does with the window, written once for every front-end's tests as the rows of
// window_scenarios.txt, which the page's test reads too. Each window's test supplies a driver that
// opens its window (on a tab, clicked to the front) and clicks, types and presses keys (Tab,
// Shift+Tab, Right, and those of the key rows) as a user does; it reads texts, the control with the
// focus ("band" for an option), the band flag, the tab in front, and the message box a click opened,
// as "title|prompt|button|buttons, icons". A scenario answers what it saw and what it wanted, a line
// a row, each named by its input, for any test framework to compare.
namespace window_scenarios {

struct Outcome {
    std::string seen;
    std::string wanted;
    void add(const std::string &row, const std::string &shown, const std::string &expected)
    {
        seen += row + ": " + shown + "\n", wanted += row + ": " + expected + "\n";
    }
};

// The fields of the rows of one scenario, after its name.
inline std::vector<std::vector<std::string>> rows(const std::string &scenario)
{
    std::vector<std::vector<std::string>> found;
    std::istringstream lines(kWindowScenarioRows);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        for (std::size_t at = 0;;) {
            const std::size_t end = line.find(" | ", at);
            std::string field = line.substr(at, end == std::string::npos ? std::string::npos : end - at);
            for (std::size_t tab = field.find("\\t"); tab != std::string::npos; tab = field.find("\\t"))
                field.replace(tab, 2, "\t");
            fields.push_back(field);
            if (end == std::string::npos)
                break;
            at = end + 3;
        }
        if (fields.size() > 1 && fields.front() == scenario)
            found.emplace_back(fields.begin() + 1, fields.end());
    }
    if (found.empty())
        throw std::logic_error("no rows for the scenario " + scenario);
    return found;
}

// A number written with '.' and ',' as the driver's locale writes it, and back.
template<typename Driver>
std::string local(const Driver &driver, const std::string &number)
{
    std::string written;
    for (const char c : number)
        written += c == '.' ? driver.decimal : c == ',' ? driver.group : std::string(1, c);
    return written;
}

template<typename Driver>
std::string plain(const Driver &driver, std::string number)
{
    if (const auto at = number.find(driver.decimal); at != std::string::npos)
        number.replace(at, driver.decimal.size(), ".");
    return number;
}

// A row names the band, the tab and its entries; a failed computation shows its message and keeps
// the entries and the last result.
template<typename Driver>
Outcome computes(Driver &driver)
{
    Outcome outcome;
    for (const auto &row : rows("compute")) {
        const std::string &band = row[0];
        const std::string &upper = row[2];
        const std::string &lower = row[3];
        const std::string &shown = row[4];
        const auto &tab = window_design::kCalculatorTabs.at(std::stoul(row[1]));
        driver.open(std::stoi(row[1]));
        driver.click(band.c_str());
        driver.setText(tab.upper, local(driver, upper));
        driver.setText(tab.lower, local(driver, lower));
        driver.setText(tab.result, "7");
        const std::string message = driver.click(tab.compute);
        const bool fails = static_cast<unsigned char>(shown[0]) >= 0x80;
        const std::string name = band + ", " + upper + ", " + lower;
        outcome.add(name, message, fails ? std::string("错误信息|") + shown + "|确定|1, 0" : "");
        outcome.add(name, driver.text(tab.upper) + "|" + driver.text(tab.lower) + "|" + driver.text(tab.result),
                    local(driver, upper) + "|" + local(driver, lower) + "|" + (fails ? "7" : local(driver, shown)));
    }
    return outcome;
}

// The band's units change on every tab and empty the results; a refresh clears its own tab only.
template<typename Driver>
Outcome clicksChangeOnlyWhatTheyShould(Driver &driver)
{
    const char *names[] = {"Text1", "Text2", "Label5", "Text3", "Text4", "Label10", "Text5", "Text6", "Label19"};
    Outcome outcome;
    for (const auto &row : rows("click")) {
        const int tab = std::stoi(row[0]);
        driver.open(tab);
        for (const char *name : names)
            driver.setText(name, name[0] == 'T' ? name : "1.5");
        driver.focusOn("Option4");
        std::istringstream clicks(row[1]);
        for (std::string step; clicks >> step;)
            step == "Right" ? driver.press(step) : (void)driver.click(step.c_str());
        std::string shown = std::to_string(driver.bandFlag());
        for (const char *name : names)
            shown += " " + (driver.text(name).empty() ? "_" : driver.text(name));
        std::string units;
        for (const char *unit : {"Label4", "Label6", "Label9", "Label11", "Label20", "Label18"})
            units += driver.text(unit);
        const std::string steps = row[0] + " " + row[1];
        outcome.add(steps, shown + " on tab " + std::to_string(driver.frontTab()), row[2] + " on tab " + row[0]);
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
    Outcome outcome;
    for (const auto &row : rows("cycle")) {
        driver.open(std::stoi(row[0]));
        std::string seen = driver.focus();
        do {
            driver.press(row[1]);
            seen += " " + driver.focus();
        } while (driver.focus() != "SSTab1" && seen.size() < 200);
        outcome.add("tab " + row[0] + ", " + row[1], seen, row[2]);
    }
    return outcome;
}

// A key pressed with a control focused, on a calculator tab whose entries compute 100.12 and whose
// result shows 7.
template<typename Driver>
Outcome keysDoWhatTheRuleSays(Driver &driver)
{
    const auto &tab = window_design::kCalculatorTabs[1];
    Outcome outcome;
    for (const auto &row : rows("key")) {
        driver.open(std::stoi(row[0]));
        driver.setText(tab.upper, "10");
        driver.setText(tab.lower, local(driver, "2.53"));
        driver.setText(tab.result, "7");
        driver.focusOn(row[1].c_str());
        driver.press(row[2]);
        outcome.add("tab " + row[0] + ", " + row[2] + " on " + row[1],
                    std::to_string(driver.frontTab()) + " " + driver.focus() + " " + driver.text(tab.upper) + "/"
                        + plain(driver, driver.text(tab.lower)) + "/" + plain(driver, driver.text(tab.result)),
                    row[3]);
    }
    return outcome;
}

} // namespace window_scenarios
