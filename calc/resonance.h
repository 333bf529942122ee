// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include "number_text.h"

#include <string_view>

namespace lirevox {

// The window's units: microhenry and megahertz, or millihenry and kilohertz. Capacitance is
// always in picofarad.
enum class Band {
    Low,
    High,
};

// The three resonance calculators, f = 1 / (2 pi sqrt(L C)) with pi taken as 3.1415926. Each takes
// the two entries as the user typed them (already checked with checkEntries), reads them in the
// band's units and returns the result in the unit its result label shows. Each step is carried out
// in a fixed order, with some intermediate values rounded to 15 significant digits through text,
// since that order decides the last bit of the result. A step that divides by zero, overflows or
// is invalid throws CalcError.

// Frequency in MHz or KHz from a capacitance in pF and an inductance.
[[nodiscard]] double frequency(std::string_view capacitance, std::string_view inductance, Band band,
                               const Separators &separators);

// Capacitance in pF from a frequency and an inductance.
[[nodiscard]] double capacitance(std::string_view frequency, std::string_view inductance, Band band,
                                 const Separators &separators);

// Inductance in uH or mH from a frequency and a capacitance in pF.
[[nodiscard]] double inductance(std::string_view frequency, std::string_view capacitance, Band band,
                                const Separators &separators);

} // namespace lirevox
