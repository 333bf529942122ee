// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "calc_error.h"
#include "entry_check.h"
#include "number_text.h"
#include "resonance.h"

#include <doctest/doctest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

using namespace lirevox;

namespace {

std::uint64_t bitsOf(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// As glibc's printf %a writes it, from the bits alone, so that every library writes it alike.
std::string hex(double value)
{
    const std::uint64_t bits = bitsOf(value);
    const auto exponent = static_cast<int>((bits >> 52U) & 0x7FFU);
    std::array<char, 16> fraction{};
    std::snprintf(fraction.data(), fraction.size(), "%013llx",
                  static_cast<unsigned long long>(bits & 0xFFFFFFFFFFFFFU));
    std::string digits = fraction.data();
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    const int power = exponent == 0 ? (digits.empty() ? 0 : -1022) : exponent - 1023;
    return std::string(std::signbit(value) ? "-0x" : "0x") + (exponent ? "1" : "0") + (digits.empty() ? "" : ".")
        + digits + "p" + (power >= 0 ? "+" : "") + std::to_string(power);
}

std::string outcome(const std::string &operation, const std::string &a, const std::string &b, bool comma)
{
    const Separators separators = comma ? Separators{",", "."} : Separators{".", ","};
    const Band band = operation.ends_with("high") ? Band::High : Band::Low;
    try {
        if (operation == "read")
            return isNumeric(a, separators) ? hex(toNumber(a, separators)) : "not numeric";
        if (operation == "check")
            return std::array{"none", "blank", "not numeric"}.at(static_cast<int>(checkEntries(a, b, separators)));
        if (operation == "number text")
            return toNumberText(toNumber(a, {".", ","}), separators);
        if (operation == "power")
            return hex(power(toNumber(a, separators), toNumber(b, separators)));
        if (operation == "format")
            return formatResult(toNumber(a, {".", ","}), separators);
        if (operation.starts_with("frequency"))
            return hex(frequency(a, b, band, separators));
        if (operation.starts_with("capacitance"))
            return hex(capacitance(a, b, band, separators));
        return hex(inductance(a, b, band, separators));
    } catch (const CalcError &error) {
        return std::array{"division by zero", "overflow", "invalid"}.at(static_cast<int>(error.fault()));
    }
}

} // namespace

// Every operation of the calculations, one table. A row names the operation and its inputs; a
// trailing "(comma)" swaps the separators to a comma locale's. Values are compared to the last
// bit, as hex floats: the calculators round some steps to 15 digits through text and take pi as
// 3.1415926, and the last bit shows whether each step is done as designed.
TEST_CASE("computes")
{
    // clang-format off
    const std::string rows[][4] = {
        {"read", " 12 ", "", "0x1.8p+3"},
        {"read", "1.000,5", "(comma)", "0x1.f44p+9"},
        {"read", "－2。53", "", "-0x1.43d70a3d70a3dp+1"},
        {"read", "＋1，000．5Ｅ１", "", "0x1.38a8p+13"},
        {"read", "2．530ｅ0", "(comma)", "0x1.3c4p+11"},
        {"read", "1e-310", "", "0x0.012688b70e62bp-1022"},
        {"read", "2.4703282292062328e-324", "", "0x0.0000000000001p-1022"},
        {"read", "2.4703282292062327e-324", "", "0x0p+0"},
        {"read", "-1e-400", "", "-0x0p+0"},
        // Group separators where they group thousands.
        {"read", "12,345,678.5", "", "0x1.78c29dp+23"},
        {"read", "-1,000e3", "", "-0x1.e848p+19"},
        {"read", "1.000", "(comma)", "0x1.f4p+9"},
        {"check", "1", "\u3000", "blank"},
        {"check", "\t", "1", "not numeric"},
        {"number text", "0.30000000000000004", "", "0.3"},
        {"power", "0", "-1", "division by zero"},
        {"format", "100.1197", "(comma)", "100,12"},
        {"format", "2.125", "", "2.13"},
        {"format", "-0.375", "", "-.38"},
        {"format", "2.675", "", "2.67"},
        {"format", "1099511627776.625", "", "1099511627776.63"},
        {"inductance high", " 1e1 ", "-100", "-0x1.443a51044754cp+1"},
        // Seventeen digits, where rounding a step through text, or not, shows in the last bit.
        {"capacitance high", "1.2345678901234567", "9.8765432109876543", "0x1.a4ac77c91dff3p+10"},
        {"inductance low", "1.2345678901234567", "9.8765432109876543", "0x1.9ad06cfa674b3p+20"},
        {"frequency high", "1.2345678901234567", "9.8765432109876543", "0x1.6ca0cc33db248p+5"},
        {"capacitance high", "0", "2.53", "division by zero"},
        {"inductance high", "10", "0", "division by zero"},
        {"frequency low", "-100", "10", "invalid"},
        {"capacitance high", "1e300", "0", "invalid"},
        {"inductance high", "1.7976931348623157e302", "1", "overflow"},
        {"inductance high", "1e-300", "1", "overflow"},
    };
    // clang-format on
    for (const auto &row : rows) {
        INFO((row[0] + " " + row[1] + " " + row[2]));
        CHECK(outcome(row[0], row[1], row[2] == "(comma)" ? std::string() : row[2], row[2] == "(comma)") == row[3]);
    }
}

// Group separators stand only where they group thousands of a number that does not begin with 0
// ("2,53" and "0,470" and, where the decimal separator is a comma, "2.53" and "0.470" are slips of
// the other decimal mark), and no other text is numeric either.
TEST_CASE("texts that are not numbers")
{
    // clang-format off
    const std::string_view pointAndComma[] = {"abc", "1.2.3", "1e+", "inf", "\t",
        "2,53", "２，５３", "1,0000", "12,34,567", "1,000,00", "1000,000", ",100", "100,", "1,,000", "1.2,3",
        "0,470", "000,001"};
    // clang-format on
    for (const std::string_view text : pointAndComma) {
        INFO(text);
        CHECK_FALSE(isNumeric(text, {".", ","}));
    }
    for (const std::string_view text : {"2.53", "0.470", "00.100"}) {
        INFO(text << " (comma)");
        CHECK_FALSE(isNumeric(text, {",", "."}));
    }
}

// Texts that once took the parser down odd paths, and a hundred thousand texts of their alphabet, ASCII and full-width,
// read with three kinds of separators. Every text is numeric exactly when it reads as a finite value or overflows; it
// reads the same typed in full width, pasted with a tab and a line break; what it reads survives the number text. Every
// reading, number text and formatted result goes into one hash, which every toolchain's build must reach.
TEST_CASE("the parser's texts read alike with every toolchain")
{
    const Separators separators[] = {{".", ","}, {",", "."}, {",", "\xC2\xA0"}};
    const std::string_view alphabet[] = {"0", "1", "2",  "5",  "7",  "9",  "+",  "-",  "e",  "E",      ".",
                                         ",", " ", "\t", "０", "９", "－", "ｅ", "。", "，", "\u3000", "e30"};
    const std::string_view ascii = "0123456789+-eE.,";
    const std::string_view fullWidth[]
        = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９", "＋", "－", "ｅ", "Ｅ", "。", "，"};
    std::uint64_t hash = 14695981039346656037U;
    const auto mix = [&hash](std::string_view text) {
        for (const char c : text)
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211U;
        hash = (hash ^ 0x100U) * 1099511628211U;
    };
    const auto read = [](std::string_view text, const Separators &each) {
        try {
            return std::to_string(bitsOf(toNumber(text, each)));
        } catch (const CalcError &error) {
            return "fault " + std::to_string(static_cast<int>(error.fault()));
        }
    };
    std::mt19937_64 random(1); // its sequence is the standard's, the same with every library
    // clang-format off
    std::vector<std::string> texts = {"12", "2,53", "1.000,5", "1e400", "1e-400", "abc", "1.2.3", "e5", "\u30007\u3000",
        "0x10", "3.1415926", " 12 ", "1.79769313486232e+308", "-3", "+4", "1e3", "1E-3", ".5", "5.", "1,234.5"};
    // clang-format on
    while (texts.size() < 100000) {
        std::string text;
        for (auto length = random() % 12 + 1; length > 0; --length)
            text += alphabet[random() % std::size(alphabet)];
        texts.push_back(text);
    }
    int numbers = 0;
    std::string broken;
    for (const std::string &text : texts)
        for (const Separators &each : separators) {
            std::string wide = "\t";
            for (const char c : text)
                wide += ascii.find(c) == std::string_view::npos ? std::string(1, c) : fullWidth[ascii.find(c)];
            const std::string reading = read(text, each);
            const bool numeric = isNumeric(text, each);
            numbers += numeric;
            mix(reading.starts_with("fault ") ? reading.substr(6) : reading);
            if (numeric != (reading != "fault 2") || read(wide + "\r\n", each) != reading)
                broken += text + "\n";
            if (reading.starts_with("fault "))
                continue;
            const double value = toNumber(text, each);
            mix(toNumberText(value, each));
            mix(formatResult(value, each));
            if (!std::isfinite(value) || !isNumeric(toNumberText(value, each), each))
                broken += text + "\n";
        }
    CHECK(broken == "");
    CHECK(numbers == 30934); // a tenth of the readings are numbers
    CHECK(hash == 6615384143399336731U);
}
