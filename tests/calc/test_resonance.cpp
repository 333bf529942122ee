#include "calc_error.h"
#include "resonance.h"

#include <QTest>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <variant>

using namespace lirevox;

namespace {

// A value, or the CalcFault the steps raise.
using Outcome = std::variant<double, CalcFault>;
struct Fault {
    CalcFault fault;
};

// A second account of the calculators' steps, with printf/strtod and plain operators, to hold
// the real ones to the last bit.
namespace model {

double check(double value)
{
    if (std::isnan(value))
        throw Fault{CalcFault::Invalid};
    if (std::isinf(value))
        throw Fault{CalcFault::Overflow};
    return value;
}

double div(double a, double b)
{
    if (b == 0)
        throw Fault{a == 0 ? CalcFault::Invalid : CalcFault::DivisionByZero};
    return check(a / b);
}

double via15Digits(double value)
{
    std::array<char, 40> text{};
    std::snprintf(text.data(), text.size(), "%.14e", value);
    return check(std::strtod(text.data(), nullptr));
}

double calculate(int calculator, double upper, double lower, double unit)
{
    const double pi = 3.1415926;
    if (calculator == 0) {
        const double m = check(check(lower * div(1, unit)) * via15Digits(check(upper * div(1, 1e12))));
        const double reciprocal = div(1, m);
        if (reciprocal < 0)
            throw Fault{CalcFault::Invalid};
        return check(div(1, unit) * div(div(std::sqrt(reciprocal), 2), pi));
    }
    const double hertz = via15Digits(check(upper * unit));
    const double t = div(1, check(hertz * (pi + pi)));
    if (calculator == 1)
        return check(1e12 * div(check(t * t), via15Digits(check(lower * div(1, unit)))));
    return check(unit * div(check(t * t), via15Digits(check(lower * div(1, 1e12)))));
}

} // namespace model

} // namespace

class TestResonance : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithModelToTheLastBit()
    {
        using Calculator = double (*)(std::string_view, std::string_view, Band, const Separators &);
        const Calculator calculators[] = {&frequency, &capacitance, &inductance};
        std::mt19937_64 random(6122026);
        std::uniform_int_distribution<int> mantissa(-999999, 999999);
        std::uniform_int_distribution<int> exponent(-20, 20);
        int faults = 0;
        for (int i = 0; i < 12000; ++i) {
            // Now and then an exponent far enough out to overflow or underflow some step.
            const int spread = i % 16 ? 1 : 16;
            const std::string upper = std::to_string(mantissa(random)) + "e" + std::to_string(exponent(random) * spread);
            const std::string lower = std::to_string(mantissa(random)) + "e" + std::to_string(exponent(random) * spread);
            const Band band = i % 2 ? Band::High : Band::Low;
            const int calculator = i % 3;
            Outcome expected, actual;
            try {
                expected = model::calculate(calculator, std::strtod(upper.c_str(), nullptr), std::strtod(lower.c_str(), nullptr), band == Band::High ? 1e6 : 1e3);
            } catch (const Fault &fault) {
                expected = fault.fault;
                ++faults;
            }
            try {
                actual = calculators[calculator](upper, lower, band, Separators{});
            } catch (const CalcError &error) {
                actual = error.fault();
            }
            QVERIFY2(actual == expected, qPrintable(QStringLiteral("calculator %1 (%2, %3)").arg(calculator).arg(QString::fromStdString(upper), QString::fromStdString(lower))));
        }
        QVERIFY2(faults > 100, "the inputs should reach the error paths too");
    }
};

QTEST_APPLESS_MAIN(TestResonance)
#include "test_resonance.moc"
