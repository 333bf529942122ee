// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include "number_text.h"

#include <string_view>

namespace lirevox {

// What is wrong with a calculator's pair of entries, if anything.
enum class EntryProblem {
    None,
    Blank,
    NotNumeric,
};

// Checks both entries for blanks first, then for numbers, so a blank entry masks a
// non-numeric one in the other box.
[[nodiscard]] EntryProblem checkEntries(std::string_view upper, std::string_view lower, const Separators &separators);

} // namespace lirevox
