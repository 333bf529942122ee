// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "number_text.h"

#include "arithmetic.h"
#include "calc_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>

namespace lirevox {

namespace {

constexpr std::array<std::string_view, 2> kBlanks = {" ", "\u3000"};
// A cell pasted from a spreadsheet brings a tab or a line break along: around a number these
// are blanks too, though a box holding nothing else is not blank.
constexpr std::array<std::string_view, 5> kBlanksAroundNumbers = {" ", "\u3000", "\t", "\r", "\n"};

// What a Chinese input method types in full-width mode, read as its ASCII counterpart.
constexpr std::array<std::pair<std::string_view, char>, 17> kFullWidthForms = {{
    {"\uFF10", '0'},
    {"\uFF11", '1'},
    {"\uFF12", '2'},
    {"\uFF13", '3'},
    {"\uFF14", '4'},
    {"\uFF15", '5'},
    {"\uFF16", '6'},
    {"\uFF17", '7'},
    {"\uFF18", '8'},
    {"\uFF19", '9'},
    {"\uFF0B", '+'},
    {"\uFF0D", '-'},
    {"\uFF45", 'e'},
    {"\uFF25", 'E'},
    {"\uFF0E", '.'},
    {"\u3002", '.'},
    {"\uFF0C", ','},
}};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view stripped(std::string_view text, std::span<const std::string_view> blanks)
{
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view blank : blanks) {
            while (text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                trimmed = true;
            }
            while (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return text;
}

std::string withAsciiForms(std::string_view text)
{
    // Every full-width form's UTF-8 begins with one of these two bytes.
    constexpr std::string_view kLeadBytes = "\xE3\xEF";
    std::string ascii;
    ascii.reserve(text.size());
    while (!text.empty()) {
        const std::size_t plain = std::min(text.find_first_of(kLeadBytes), text.size());
        ascii += text.substr(0, plain);
        text.remove_prefix(plain);
        if (text.empty())
            break;
        const auto *const form = std::find_if(kFullWidthForms.begin(), kFullWidthForms.end(),
                                              [&](const auto &each) { return text.starts_with(each.first); });
        const bool found = form != kFullWidthForms.end();
        ascii += found ? form->second : text.front();
        text.remove_prefix(found ? form->first.size() : 1);
    }
    return ascii;
}

// A numeric text reduced to the plain ASCII form the standard conversions read.
struct Reading {
    std::string ascii;
    // Decimal exponent of the leading nonzero digit (value = 0.d... x 10^leadExponent), which tells
    // an overflow from an underflow when from_chars reports the value out of range.
    long long leadExponent = 0;
};

class Parser
{
public:
    Parser(std::string_view text, const Separators &separators)
        : m_text(withAsciiForms(stripped(text, kBlanksAroundNumbers)))
        , m_separators(separators)
    {}

    std::optional<Reading> read()
    {
        readSign();
        const std::optional<long long> integers = readIntegerDigits();
        if (!integers)
            return std::nullopt;
        const long long integerDigits = *integers;
        long long fractionDigits = 0;
        if (consume(m_separators.decimal)) {
            m_reading.ascii += '.';
            fractionDigits = readDigits();
        }
        if (integerDigits + fractionDigits == 0 || !readExponent() || m_pos != m_text.size())
            return std::nullopt;
        m_reading.leadExponent = saturatingAdd(leadPosition(integerDigits), m_exponent);
        return std::move(m_reading);
    }

private:
    static constexpr long long kExponentLimit = 1'000'000'000;

    [[nodiscard]] bool atDigit() const { return m_pos < m_text.size() && isDigit(m_text[m_pos]); }

    [[nodiscard]] bool startsWith(std::string_view prefix) const
    {
        return !prefix.empty() && std::string_view(m_text).substr(m_pos).starts_with(prefix);
    }

    bool consume(std::string_view prefix)
    {
        if (!startsWith(prefix))
            return false;
        m_pos += prefix.size();
        return true;
    }

    void readSign()
    {
        if (m_pos < m_text.size() && (m_text[m_pos] == '+' || m_text[m_pos] == '-')) {
            if (m_text[m_pos] == '-')
                m_reading.ascii += '-';
            ++m_pos;
        }
    }

    long long readDigits()
    {
        long long count = 0;
        for (; atDigit(); ++m_pos, ++count) {
            if (m_firstNonZero < 0 && m_text[m_pos] != '0')
                m_firstNonZero = m_digitCount;
            ++m_digitCount;
            m_reading.ascii += m_text[m_pos];
        }
        return count;
    }

    // The integer digits are plain, or grouped in threes: a lead group of one to three digits, then
    // a group separator before every further three. Any other separator ("2,53" in a Chinese
    // locale, "2.53" in a German one) is a slip of the other decimal mark, not a number a hundred
    // times larger. No locale writes a grouped number with a leading zero: "0,470" is 0.47 typed
    // with the other decimal mark, so a grouped integer part must begin with a nonzero digit.
    std::optional<long long> readIntegerDigits()
    {
        const bool leadingZero = atDigit() && m_text[m_pos] == '0';
        long long count = readDigits();
        const bool grouped = count >= 1 && count <= 3;
        while (grouped && !startsWith(m_separators.decimal) && consume(m_separators.group)) {
            if (leadingZero || readDigits() != 3)
                return std::nullopt;
            count += 3;
        }
        if (count == 0)
            m_reading.ascii += '0';
        return count;
    }

    bool readExponent()
    {
        if (m_pos == m_text.size() || (m_text[m_pos] != 'e' && m_text[m_pos] != 'E'))
            return true;
        ++m_pos;
        m_reading.ascii += 'e';
        bool negative = false;
        if (m_pos < m_text.size() && (m_text[m_pos] == '+' || m_text[m_pos] == '-')) {
            negative = m_text[m_pos] == '-';
            m_reading.ascii += m_text[m_pos];
            ++m_pos;
        }
        if (!atDigit())
            return false;
        for (; atDigit(); ++m_pos) {
            m_reading.ascii += m_text[m_pos];
            m_exponent = std::min(m_exponent * 10 + (m_text[m_pos] - '0'), kExponentLimit);
        }
        if (negative)
            m_exponent = -m_exponent;
        return true;
    }

    [[nodiscard]] long long leadPosition(long long integerDigits) const
    {
        if (m_firstNonZero < 0)
            return 0;
        return integerDigits - m_firstNonZero;
    }

    static long long saturatingAdd(long long a, long long b)
    {
        return std::clamp(a + b, -kExponentLimit, kExponentLimit);
    }

    std::string m_text;
    const Separators &m_separators;
    std::size_t m_pos = 0;
    Reading m_reading;
    long long m_digitCount = 0;
    long long m_firstNonZero = -1;
    long long m_exponent = 0;
};

std::optional<Reading> readNumber(std::string_view text, const Separators &separators)
{
    return Parser(text, separators).read();
}

// The value as the C locale writes it, correctly rounded: fixed with that many decimals, or general
// with that many significant digits. Emscripten's C++ library has no floating-point to_chars; its C
// library rounds as correctly, and its only locale is "C".
std::string written(double value, std::chars_format format, int precision)
{
    std::array<char, 400> buffer{};
#ifdef __EMSCRIPTEN__
    const char *pattern = format == std::chars_format::fixed ? "%.*f" : "%.*g";
    const int length = std::snprintf(buffer.data(), buffer.size(), pattern, precision, value);
    return {buffer.data(), static_cast<std::size_t>(length)};
#else
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return {buffer.data(), result.ptr};
#endif
}

// The double nearest to a reading, or nothing where that is beyond the double range.
std::optional<double> nearest(const Reading &reading)
{
#ifdef __EMSCRIPTEN__
    // Where from_chars is missing, strtod reads subnormals and underflows alike correctly rounded.
    const double value = std::strtod(reading.ascii.c_str(), nullptr);
    return std::isinf(value) ? std::nullopt : std::optional(value);
#else
    double value = 0.0;
    const char *first = reading.ascii.data();
    const auto [end, error] = std::from_chars(first, first + reading.ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (reading.leadExponent > 0)
            return std::nullopt;
        // from_chars reads subnormals itself and reports an underflow only where the nearest
        // double is zero.
        return reading.ascii.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc() || end != first + reading.ascii.size())
        throw CalcError(CalcFault::Invalid);
    return value;
#endif
}

std::string withDecimal(std::string text, const Separators &separators)
{
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separators.decimal);
    return text;
}

// The value with two decimals. An exact half goes away from zero; every other value rounds on its
// exact binary value. Only an odd multiple of 1/8 can be an exact half: its decimals end in 125,
// 375, 625 or 875, so rounding away from zero raises a 2 or a 7 and never carries.
std::string fixedTwoDecimals(double value)
{
    const bool exactHalf = std::fmod(std::abs(value), 0.25) == 0.125;
    std::string text = written(value, std::chars_format::fixed, exactHalf ? 3 : 2);
    if (exactHalf) {
        text.pop_back();
        ++text.back();
    }
    return text;
}

} // namespace

std::string_view trim(std::string_view text)
{
    return stripped(text, kBlanks);
}

bool isNumeric(std::string_view text, const Separators &separators)
{
    return readNumber(text, separators).has_value();
}

double toNumber(std::string_view text, const Separators &separators)
{
    const auto reading = readNumber(text, separators);
    if (!reading)
        throw CalcError(CalcFault::Invalid);
    const std::optional<double> value = nearest(*reading);
    if (!value)
        throw CalcError(CalcFault::Overflow);
    return *value;
}

std::string toNumberText(double value, const Separators &separators)
{
    return withDecimal(written(value, std::chars_format::general, 15), separators);
}

double power(double base, double exponent)
{
    if (base == 0.0 && exponent < 0.0)
        throw CalcError(CalcFault::DivisionByZero);
    // A square is one correctly rounded multiplication; the C library's pow can be an ulp off and
    // differs between platforms, which would make results depend on where they are computed.
    if (exponent == 2.0)
        return multiply(base, base);
    return checkedResult(std::pow(base, exponent));
}

std::string formatResult(double value, const Separators &separators)
{
    std::string text = fixedTwoDecimals(value);
    const bool negative = text.front() == '-';
    if (negative)
        text.erase(0, 1);
    const std::size_t point = text.find('.');
    std::string integerPart = text.substr(0, point);
    std::string fraction = text.substr(point + 1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (integerPart == "0")
        integerPart.clear();
    const bool showSign = negative && !(integerPart.empty() && fraction.empty());
    return (showSign ? "-" : "") + integerPart + separators.decimal + fraction;
}

} // namespace lirevox
