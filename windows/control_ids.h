// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string_view>
#include <utility>

// Every control's child-window ID follows from its design name, so that tests, automation tools
// and screen readers find it: CommandN is 1000 + N, TextN 2000 + N, LabelN 3000 + N, OptionN
// 4000 + N, Frame1 5001 and SSTab1 6001. Zero for a name of no such form.
constexpr int controlId(std::string_view name)
{
    constexpr std::array<std::pair<std::string_view, int>, 6> kBases
        = {{{"Command", 1000}, {"Text", 2000}, {"Label", 3000}, {"Option", 4000}, {"Frame", 5000}, {"SSTab", 6000}}};
    for (const auto &[prefix, base] : kBases) {
        if (!name.starts_with(prefix) || name.size() == prefix.size())
            continue;
        int number = 0;
        for (const char digit : name.substr(prefix.size())) {
            if (digit < '0' || digit > '9')
                return 0;
            number = number * 10 + (digit - '0');
        }
        return base + number;
    }
    return 0;
}
