// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "calc_error.h"
#include "entry_check.h"
#include "number_text.h"
#include "resonance.h"

#include <QTest>

#include <cstdio>

using namespace lirevox;

// Every operation of the calculations, one table. A row names the operation and its inputs; a
// trailing "(comma)" swaps the separators to a comma locale's. Values are compared to the last
// bit, as hex floats: the calculators round some steps to 15 digits through text and take pi as
// 3.1415926, and the last bit shows whether each step is done as designed.
class TestCalc : public QObject
{
    Q_OBJECT

    static QString hex(double value)
    {
        std::array<char, 32> text{};
        std::snprintf(text.data(), text.size(), "%a", value);
        return QString::fromLatin1(text.data());
    }

    static QString outcome(const QString &operation, const std::string &a, const std::string &b, bool comma)
    {
        const Separators separators = comma ? Separators{",", "."} : Separators{".", ","};
        const Band band = operation.endsWith(QLatin1String("high")) ? Band::High : Band::Low;
        const QStringList problems{"none", "blank", "not numeric"};
        try {
            if (operation == QLatin1String("read"))
                return isNumeric(a, separators) ? hex(toNumber(a, separators)) : QStringLiteral("not numeric");
            if (operation == QLatin1String("check"))
                return problems.at(static_cast<int>(checkEntries(a, b, separators)));
            if (operation == QLatin1String("number text"))
                return QString::fromStdString(toNumberText(std::strtod(a.c_str(), nullptr), separators));
            if (operation == QLatin1String("format"))
                return QString::fromStdString(formatResult(std::strtod(a.c_str(), nullptr), separators));
            if (operation.startsWith(QLatin1String("frequency")))
                return hex(frequency(a, b, band, separators));
            if (operation.startsWith(QLatin1String("capacitance")))
                return hex(capacitance(a, b, band, separators));
            return hex(inductance(a, b, band, separators));
        } catch (const CalcError &error) {
            return QStringList{"division by zero", "overflow", "invalid"}.at(static_cast<int>(error.fault()));
        }
    }

private slots:
    void computes_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("expected");

        const auto row = [](const QString &operation, const QString &a, const QString &b, const QString &expected) {
            QTest::addRow("%s %s %s", qPrintable(operation), qPrintable(a), qPrintable(b))
                << operation << a << b << expected;
        };
        row("read", " 12 ", "", "0x1.8p+3");
        row("read", "\u3000 7", "", "0x1.cp+2");
        row("read", "\t5\r\n", "", "0x1.4p+2");
        row("read", "1.000,5", "(comma)", "0x1.f44p+9");
        row("read", "－2。53", "", "-0x1.43d70a3d70a3dp+1");
        row("read", "＋1，000．5Ｅ１", "", "0x1.38a8p+13");
        row("read", "2．53ｅ0", "(comma)", "0x1.fap+7");
        row("read", "1e-310", "", "0x0.012688b70e62bp-1022");
        row("read", "-1e-400", "", "-0x0p+0");
        for (const char *text : {"abc", "1.2.3", "1e+", "5,", ",5", "1.2,3", "1,,2", "inf", "\t"})
            row("read", QString::fromUtf8(text), "", "not numeric");
        row("check", "1", "\u3000", "blank");
        row("check", "\t", "1", "not numeric");
        row("number text", "0.30000000000000004", "", "0.3");
        row("format", "100.1197", "(comma)", "100,12");
        row("format", "2.125", "", "2.13");
        row("format", "-0.375", "", "-.38");
        row("format", "2.675", "", "2.67");
        row("format", "1099511627776.625", "", "1099511627776.63");
        row("inductance high", " 1e1 ", "-100", "-0x1.443a51044754cp+1");
        // Seventeen digits, where rounding a step through text, or not, shows in the last bit.
        row("capacitance high", "1.2345678901234567", "9.8765432109876543", "0x1.a4ac77c91dff3p+10");
        row("inductance low", "1.2345678901234567", "9.8765432109876543", "0x1.9ad06cfa674b3p+20");
        row("frequency high", "1.2345678901234567", "9.8765432109876543", "0x1.6ca0cc33db248p+5");
        row("capacitance high", "0", "2.53", "division by zero");
        row("inductance high", "10", "0", "division by zero");
        row("frequency low", "-100", "10", "invalid");
        row("capacitance high", "1e300", "0", "invalid");
        row("inductance high", "1.7976931348623157e302", "1", "overflow");
        row("inductance high", "1e-300", "1", "overflow");
    }

    void computes()
    {
        QFETCH(QString, operation);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, expected);
        const bool comma = b == QLatin1String("(comma)");
        QCOMPARE(outcome(operation, a.toStdString(), comma ? std::string() : b.toStdString(), comma), expected);
    }
};

QTEST_APPLESS_MAIN(TestCalc)
#include "test_calc.moc"
