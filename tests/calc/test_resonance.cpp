#include "calc_error.h"
#include "entry_check.h"
#include "resonance.h"

#include <QTest>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <variant>

using namespace lirevox;

namespace {

using Calculator = double (*)(std::string_view, std::string_view, Band, const Separators &);
const Separators kPoint;

Calculator calculatorNamed(const QString &name)
{
    return name == QLatin1String("frequency") ? &frequency : name == QLatin1String("capacitance") ? &capacitance : &inductance;
}

// A second account of the calculators' steps, written with printf/strtod and plain operators, to
// hold the real ones to the last bit. An int result is the CalcFault that the steps should raise.
namespace model {

using Outcome = std::variant<double, int>;
struct Fault {
    CalcFault fault;
};

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

Outcome run(const QString &name, double upper, double lower, Band band)
{
    const double exponent = band == Band::High ? 6 : 3;
    const double pi = 3.1415926;
    try {
        if (name == QLatin1String("frequency")) {
            const double l = check(lower * div(1, std::pow(10, exponent)));
            const double m = check(l * via15Digits(check(upper * div(1, 1e12))));
            const double reciprocal = div(1, m);
            if (reciprocal < 0)
                throw Fault{CalcFault::Invalid};
            return check(div(1, std::pow(10, exponent)) * div(div(std::sqrt(reciprocal), 2), pi));
        }
        const double hertz = via15Digits(check(upper * std::pow(10, exponent)));
        const double divisor = name == QLatin1String("capacitance") ? via15Digits(check(lower * div(1, std::pow(10, exponent))))
                                                                    : via15Digits(check(lower * div(1, 1e12)));
        const double t = div(1, check(hertz * (pi + pi)));
        const double scale = name == QLatin1String("capacitance") ? 1e12 : std::pow(10, exponent);
        return check(scale * div(check(t * t), divisor));
    } catch (const Fault &fault) {
        return int(fault.fault);
    }
}

} // namespace model

model::Outcome outcome(const QString &name, const std::string &upper, const std::string &lower, Band band)
{
    try {
        return calculatorNamed(name)(upper, lower, band, kPoint);
    } catch (const CalcError &error) {
        return int(error.fault());
    }
}

} // namespace

class TestResonance : public QObject
{
    Q_OBJECT

private slots:
    void computesWorkedResults_data();
    void computesWorkedResults();
    void raisesArithmeticErrors_data();
    void raisesArithmeticErrors();
    void agreesWithModelToTheLastBit();
    void checksEntries_data();
    void checksEntries();
};

void TestResonance::computesWorkedResults_data()
{
    QTest::addColumn<QString>("calculator");
    QTest::addColumn<bool>("high");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("capacitance, high") << "capacitance" << true << "10" << "2.53" << 100.119750 << "100.12";
    QTest::newRow("capacitance, low") << "capacitance" << false << "100" << "10" << 253.302967 << "253.3";
    QTest::newRow("inductance, high") << "inductance" << true << "10" << "100" << 2.533029 << "2.53";
    QTest::newRow("inductance, low") << "inductance" << false << "100" << "253.3" << 10.000117 << "10.";
    QTest::newRow("frequency, high") << "frequency" << true << "100" << "10" << 5.032921 << "5.03";
    QTest::newRow("frequency, low") << "frequency" << false << "470" << "10" << 73.412702 << "73.41";
    QTest::newRow("exponent form, blanks") << "capacitance" << true << " 1e1 " << "2.53" << 100.119750 << "100.12";
    QTest::newRow("frequency sign squared away") << "capacitance" << true << "-10" << "2.53" << 100.119750 << "100.12";
    QTest::newRow("negative inductance") << "capacitance" << true << "10" << "-2.53" << -100.119750 << "-100.12";
    QTest::newRow("same entries, low band") << "capacitance" << false << "10" << "2.53" << 100119.750 << "100119.75";
}

void TestResonance::computesWorkedResults()
{
    QFETCH(QString, calculator);
    QFETCH(bool, high);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(double, value);
    QFETCH(QString, shown);

    const double result = calculatorNamed(calculator)(upper.toStdString(), lower.toStdString(), high ? Band::High : Band::Low, kPoint);
    QVERIFY2(std::abs(result - value) < 1e-6 * std::abs(value), qPrintable(QString::number(result, 'g', 17)));
    QCOMPARE(QString::fromStdString(formatResult(result, kPoint)), shown);
}

void TestResonance::raisesArithmeticErrors_data()
{
    QTest::addColumn<QString>("calculator");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<int>("fault");

    const int byZero = int(CalcFault::DivisionByZero);
    QTest::newRow("zero frequency, capacitance tab") << "capacitance" << "0" << "2.53" << byZero;
    QTest::newRow("zero frequency, inductance tab") << "inductance" << "0" << "100" << byZero;
    QTest::newRow("zero inductance") << "capacitance" << "10" << "0" << byZero;
    QTest::newRow("zero capacitance") << "inductance" << "10" << "0" << byZero;
    QTest::newRow("zero capacitance, frequency tab") << "frequency" << "0" << "10" << byZero;
    QTest::newRow("zero inductance, frequency tab") << "frequency" << "100" << "0" << byZero;
    QTest::newRow("opposite signs") << "frequency" << "100" << "-10" << int(CalcFault::Invalid);
    QTest::newRow("entry beyond the double range") << "capacitance" << "1e400" << "1" << int(CalcFault::Overflow);
    QTest::newRow("scaled entry overflows") << "capacitance" << "1e305" << "1" << int(CalcFault::Overflow);
    QTest::newRow("number text rounds above the largest double") << "inductance" << "1.7976931348623157e302" << "1" << int(CalcFault::Overflow);
    QTest::newRow("zero by zero") << "capacitance" << "1e300" << "0" << int(CalcFault::Invalid);
}

void TestResonance::raisesArithmeticErrors()
{
    QFETCH(QString, calculator);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(int, fault);
    const auto result = outcome(calculator, upper.toStdString(), lower.toStdString(), Band::High);
    QVERIFY(std::holds_alternative<int>(result));
    QCOMPARE(std::get<int>(result), fault);
}

void TestResonance::agreesWithModelToTheLastBit()
{
    std::mt19937_64 random(6122026);
    std::uniform_int_distribution<int> mantissa(-999999, 999999);
    std::uniform_int_distribution<int> exponent(-20, 20);
    int compared = 0;
    for (const char *name : {"frequency", "capacitance", "inductance"}) {
        for (int i = 0; i < 4000; ++i) {
            const std::string upper = std::to_string(mantissa(random)) + "e" + std::to_string(exponent(random) * (i % 16 ? 1 : 16));
            const std::string lower = std::to_string(mantissa(random)) + "e" + std::to_string(exponent(random) * (i % 16 ? 1 : 16));
            const Band band = i % 2 ? Band::High : Band::Low;
            const auto expected = model::run(QLatin1String(name), std::strtod(upper.c_str(), nullptr), std::strtod(lower.c_str(), nullptr), band);
            const auto actual = outcome(QLatin1String(name), upper, lower, band);
            QVERIFY2(actual == expected, qPrintable(QStringLiteral("%1(%2, %3)").arg(QLatin1String(name), QString::fromStdString(upper), QString::fromStdString(lower))));
            ++compared;
        }
    }
    QCOMPARE(compared, 12000);
}

void TestResonance::checksEntries_data()
{
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<int>("problem");

    QTest::newRow("both empty") << "" << "" << int(EntryProblem::Blank);
    QTest::newRow("blanks only") << "   " << "5" << int(EntryProblem::Blank);
    QTest::newRow("blank masks letters") << "abc" << "" << int(EntryProblem::Blank);
    QTest::newRow("letters") << "5" << "abc" << int(EntryProblem::NotNumeric);
    QTest::newRow("blanks around a number") << " 12 " << "3" << int(EntryProblem::None);
    QTest::newRow("zero and negative pass") << "0" << "-5" << int(EntryProblem::None);
}

void TestResonance::checksEntries()
{
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(int, problem);
    QCOMPARE(int(checkEntries(upper.toStdString(), lower.toStdString(), kPoint)), problem);
}

QTEST_APPLESS_MAIN(TestResonance)
#include "test_resonance.moc"
