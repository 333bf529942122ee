// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace lirevox {

// The decimal and digit-group separators of the user's locale, as UTF-8 text.
struct Separators {
    std::string decimal = ".";
    std::string group = ",";
};

// The text without its leading and trailing blanks (U+0020 and the ideographic space U+3000).
[[nodiscard]] std::string_view trim(std::string_view text);

// True for a text of the form [sign] digits [decimal digits] [e [sign] digits], whose integer
// digits are plain or grouped in threes by the group separator ("12,345", never "0,470"), with
// blanks, tabs or line breaks around it: exactly the texts toNumber reads. Full-width digits, signs,
// exponent letters, full stops (．and 。) and commas read as their ASCII forms; the locale's
// separators then apply as for ASCII text.
[[nodiscard]] bool isNumeric(std::string_view text, const Separators &separators);

// The double nearest to a numeric text. Throws CalcError: Overflow beyond the double range,
// Invalid for a text that is not numeric. A value too small for a double reads as the nearest
// subnormal, or a signed zero.
[[nodiscard]] double toNumber(std::string_view text, const Separators &separators);

// The value rounded to 15 significant digits, as text that toNumber reads back.
[[nodiscard]] std::string toNumberText(double value, const Separators &separators);

// base raised to exponent. Throws CalcError when the result is not a finite number.
[[nodiscard]] double power(double base, double exponent);

// The value as the result pattern "###.##" shows it: rounded to two decimals (exact halves away
// from zero, for every double), no leading zero, the decimal separator always present, trailing fraction zeros dropped,
// every integer digit without group separators, and no minus sign on a value that rounds to zero.
[[nodiscard]] std::string formatResult(double value, const Separators &separators);

} // namespace lirevox
