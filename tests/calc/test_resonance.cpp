// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "calc_error.h"
#include "entry_check.h"
#include "resonance.h"

#include <QTest>

using namespace lirevox;

namespace {

using Calculator = double (*)(std::string_view, std::string_view, Band, const Separators &);

Calculator calculatorNamed(const QString &name)
{
    return name == QLatin1String("frequency")  ? &frequency
        : name == QLatin1String("capacitance") ? &capacitance
                                               : &inductance;
}

} // namespace

// The calculators hold some steps to 15 digits through text and use pi = 3.1415926, so each row's
// value is exact to the last bit, written as a hex float.
class TestResonance : public QObject
{
    Q_OBJECT

    static void addColumns()
    {
        QTest::addColumn<QString>("calculator");
        QTest::addColumn<bool>("high");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
    }

private slots:
    void computesToTheLastBit_data()
    {
        addColumns();
        QTest::addColumn<double>("value");

        QTest::newRow("capacitance, high, 10, 2.53") << "capacitance" << true << "10"
                                                     << "2.53" << 0x1.907a9fc5082b8p+6;
        QTest::newRow("capacitance, low, 100, 10") << "capacitance" << false << "100"
                                                   << "10" << 0x1.fa9b1e96af749p+7;
        QTest::newRow("capacitance, low, 10, 2.53") << "capacitance" << false << "10"
                                                    << "2.53" << 0x1.8717c00669fa9p+16;
        QTest::newRow("capacitance, high, -10, -2.53") << "capacitance" << true << "-10"
                                                       << "-2.53" << -0x1.907a9fc5082b8p+6;
        QTest::newRow("inductance, high, 10, 100") << "inductance" << true << "10"
                                                   << "100" << 0x1.443a51044754cp+1;
        QTest::newRow("inductance, low, 100, 253.3") << "inductance" << false << "100"
                                                     << "253.3" << 0x1.4000f5b597f65p+3;
        QTest::newRow("inductance, high, ' 1e1 ', -100") << "inductance" << true << " 1e1 "
                                                         << "-100" << -0x1.443a51044754cp+1;
        QTest::newRow("frequency, high, 100, 10") << "frequency" << true << "100"
                                                  << "10" << 0x1.421b61ecbd202p+2;
        QTest::newRow("frequency, low, 470, 10") << "frequency" << false << "470"
                                                 << "10" << 0x1.25a69b687259cp+6;
        // Seventeen digits, where rounding through text, or not, shows in the last bit.
        const QString a = QStringLiteral("1.2345678901234567");
        const QString b = QStringLiteral("9.8765432109876543");
        QTest::newRow("capacitance, high, 17 digits") << "capacitance" << true << a << b << 0x1.a4ac77c91dff3p+10;
        QTest::newRow("inductance, low, 17 digits") << "inductance" << false << a << b << 0x1.9ad06cfa674b3p+20;
        QTest::newRow("frequency, high, 17 digits") << "frequency" << true << a << b << 0x1.6ca0cc33db248p+5;
        QTest::newRow("frequency, low, 17 digits") << "frequency" << false << a << b << 0x1.68546d77de533p+10;
    }

    void computesToTheLastBit()
    {
        QFETCH(QString, calculator);
        QFETCH(bool, high);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        QFETCH(double, value);
        const double computed
            = calculatorNamed(calculator)(upper.toStdString(), lower.toStdString(), high ? Band::High : Band::Low, {});
        QCOMPARE(computed, value);
    }

    void raisesTheFailingStepsFault_data()
    {
        addColumns();
        QTest::addColumn<CalcFault>("fault");

        QTest::newRow("zero frequency") << "capacitance" << true << "0"
                                        << "2.53" << CalcFault::DivisionByZero;
        QTest::newRow("zero inductance") << "capacitance" << false << "10"
                                         << "0" << CalcFault::DivisionByZero;
        QTest::newRow("zero capacitance") << "inductance" << true << "10"
                                          << "0" << CalcFault::DivisionByZero;
        QTest::newRow("zero capacitance, frequency") << "frequency" << true << "0"
                                                     << "10" << CalcFault::DivisionByZero;
        QTest::newRow("opposite signs") << "frequency" << false << "-100"
                                        << "10" << CalcFault::Invalid;
        QTest::newRow("0 / 0") << "capacitance" << true << "1e300"
                               << "0" << CalcFault::Invalid;
        QTest::newRow("1e999") << "inductance" << true << "1e999"
                               << "1" << CalcFault::Overflow;
        QTest::newRow("number text above the largest double") << "inductance" << true << "1.7976931348623157e302"
                                                              << "1" << CalcFault::Overflow;
        QTest::newRow("square overflows") << "inductance" << true << "1e-300"
                                          << "1" << CalcFault::Overflow;
    }

    void raisesTheFailingStepsFault()
    {
        QFETCH(QString, calculator);
        QFETCH(bool, high);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        QFETCH(CalcFault, fault);
        try {
            (void)calculatorNamed(calculator)(upper.toStdString(), lower.toStdString(), high ? Band::High : Band::Low,
                                              {});
            QFAIL("no fault raised");
        } catch (const CalcError &error) {
            QCOMPARE(error.fault(), fault);
        }
    }

    void checksBlanksBeforeNumbers_data()
    {
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<EntryProblem>("problem");

        QTest::newRow("both empty") << ""
                                    << "" << EntryProblem::Blank;
        QTest::newRow("blanks, 1") << "  "
                                   << "1" << EntryProblem::Blank;
        QTest::newRow("1, ideographic space") << "1"
                                              << "\u3000" << EntryProblem::Blank;
        QTest::newRow("abc, empty") << "abc"
                                    << "" << EntryProblem::Blank;
        QTest::newRow("10, abc") << "10"
                                 << "abc" << EntryProblem::NotNumeric;
        QTest::newRow("tab, 1") << "\t"
                                << "1" << EntryProblem::NotNumeric;
        QTest::newRow("' 12 ', -5") << " 12 "
                                    << "-5" << EntryProblem::None;
    }

    void checksBlanksBeforeNumbers()
    {
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        QFETCH(EntryProblem, problem);
        QCOMPARE(checkEntries(upper.toStdString(), lower.toStdString(), {}), problem);
    }
};

QTEST_APPLESS_MAIN(TestResonance)
#include "test_resonance.moc"
