// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "resonance.h"

#include "arithmetic.h"

#include <string>

namespace lirevox {

namespace {

constexpr double kPi = 3.1415926;

struct Scales {
    double frequencyToHertz;
    double henryPerUnit;
    double unitsPerHenry;
    double unitsPerHertz;
};

// Every reciprocal power of ten is formed first and then multiplied in, never divided by.
Scales scalesOf(Band band)
{
    const double exponent = band == Band::High ? 6.0 : 3.0;
    return {
        .frequencyToHertz = power(10.0, exponent),
        .henryPerUnit = divide(1.0, power(10.0, exponent)),
        .unitsPerHenry = power(10.0, exponent),
        .unitsPerHertz = divide(1.0, power(10.0, exponent)),
    };
}

double faradPerPicofarad()
{
    return divide(1.0, power(10.0, 12.0));
}

} // namespace

double capacitance(std::string_view frequency, std::string_view inductance, Band band, const Separators &separators)
{
    const std::string p = toNumberText(kPi, separators);
    const Scales scales = scalesOf(band);
    const std::string f = toNumberText(multiply(toNumber(frequency, separators), scales.frequencyToHertz), separators);
    const std::string l = toNumberText(multiply(toNumber(inductance, separators), scales.henryPerUnit), separators);
    const double w = add(toNumber(p, separators), toNumber(p, separators));
    const double t = divide(1.0, multiply(toNumber(f, separators), w));
    const double q = power(t, 2.0);
    const double farad = divide(q, toNumber(l, separators));
    return multiply(power(10.0, 12.0), farad);
}

double inductance(std::string_view frequency, std::string_view capacitance, Band band, const Separators &separators)
{
    const std::string p = toNumberText(kPi, separators);
    const Scales scales = scalesOf(band);
    const std::string f = toNumberText(multiply(toNumber(frequency, separators), scales.frequencyToHertz), separators);
    const std::string c = toNumberText(multiply(toNumber(capacitance, separators), faradPerPicofarad()), separators);
    const double w = add(toNumber(p, separators), toNumber(p, separators));
    const double t = divide(1.0, multiply(toNumber(f, separators), w));
    const double q = power(t, 2.0);
    const double henry = divide(q, toNumber(c, separators));
    return multiply(scales.unitsPerHenry, henry);
}

double frequency(std::string_view capacitance, std::string_view inductance, Band band, const Separators &separators)
{
    const std::string p = toNumberText(kPi, separators);
    const Scales scales = scalesOf(band);
    // The inductance stays a plain number here; only the capacitance is rounded through text.
    const double l = multiply(toNumber(inductance, separators), scales.henryPerUnit);
    const std::string c = toNumberText(multiply(toNumber(capacitance, separators), faradPerPicofarad()), separators);
    const double m = multiply(l, toNumber(c, separators));
    const double s = squareRoot(divide(1.0, m));
    const double h = divide(s, 2.0);
    const double hertz = divide(h, toNumber(p, separators));
    return multiply(scales.unitsPerHertz, hertz);
}

} // namespace lirevox
