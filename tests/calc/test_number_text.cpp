// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "calc_error.h"
#include "number_text.h"

#include <QTest>

#include <cstdio>

using namespace lirevox;

namespace {

// A double to the last bit, -0 included.
QString hex(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%a", value);
    return QString::fromLatin1(text);
}

const Separators kPoint{".", ","};
const Separators kComma{",", "."};

// What toNumber made of a text: its value to the last bit, "overflow" or "not numeric".
QString reading(const QString &text, const Separators &separators)
{
    try {
        return hex(toNumber(text.toStdString(), separators));
    } catch (const CalcError &error) {
        return error.fault() == CalcFault::Overflow ? QStringLiteral("overflow") : QStringLiteral("not numeric");
    }
}

} // namespace

Q_DECLARE_METATYPE(Separators)

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void readsExactlyTheNumericTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Separators>("separators");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("read");

        const QString no = QStringLiteral("not numeric");
        QTest::newRow("' 12 '") << " 12 " << kPoint << 12.0 << "";
        QTest::newRow("'\u3000 7\u3000'") << "\u3000 7\u3000" << kPoint << 7.0 << "";
        QTest::newRow("'100\\t'") << "100\t" << kPoint << 100.0 << "";
        QTest::newRow("'\\t5\\r\\n'") << "\t5\r\n" << kPoint << 5.0 << "";
        QTest::newRow("1e3") << "1e3" << kPoint << 1000.0 << "";
        QTest::newRow(".5") << ".5" << kPoint << 0.5 << "";
        QTest::newRow("1,234.5") << "1,234.5" << kPoint << 1234.5 << "";
        QTest::newRow("1.000,5 (comma)") << "1.000,5" << kComma << 1000.5 << "";
        QTest::newRow("1.5 (comma)") << "1.5" << kComma << 15.0 << "";
        QTest::newRow("１０") << "１０" << kPoint << 10.0 << "";
        QTest::newRow("2。53") << "2。53" << kPoint << 2.53 << "";
        QTest::newRow("2．53 (comma)") << "2．53" << kComma << 253.0 << "";
        QTest::newRow("－5") << "－5" << kPoint << -5.0 << "";
        QTest::newRow("1，000") << "1，000" << kPoint << 1000.0 << "";
        QTest::newRow("＋1.5Ｅ３") << "＋1.5Ｅ３" << kPoint << 1500.0 << "";
        QTest::newRow("1e-310") << "1e-310" << kPoint << 1e-310 << "";
        QTest::newRow("-1e-400") << "-1e-400" << kPoint << -0.0 << "";
        QTest::newRow("1e400") << "1e400" << kPoint << 0.0 << "overflow";
        QTest::newRow("abc") << "abc" << kPoint << 0.0 << no;
        QTest::newRow("1.2.3") << "1.2.3" << kPoint << 0.0 << no;
        QTest::newRow("1e+") << "1e+" << kPoint << 0.0 << no;
        QTest::newRow("5,") << "5," << kPoint << 0.0 << no;
        QTest::newRow(",5") << ",5" << kPoint << 0.0 << no;
        QTest::newRow("1.2,3") << "1.2,3" << kPoint << 0.0 << no;
        QTest::newRow("1,,2") << "1,,2" << kPoint << 0.0 << no;
        QTest::newRow("inf") << "inf" << kPoint << 0.0 << no;
        QTest::newRow("'\\t'") << "\t" << kPoint << 0.0 << no;
    }

    void readsExactlyTheNumericTexts()
    {
        QFETCH(QString, text);
        QFETCH(Separators, separators);
        QFETCH(double, value);
        QFETCH(QString, read);
        const QString expected = read.isEmpty() ? hex(value) : read;
        QCOMPARE(reading(text, separators), expected);
        QCOMPARE(isNumeric(text.toStdString(), separators), read != QStringLiteral("not numeric"));
    }

    void numberTextReadsBackRoundedTo15Digits_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<Separators>("separators");
        QTest::addColumn<QString>("text");

        QTest::newRow("pi") << 3.1415926 << kPoint << "3.1415926";
        QTest::newRow("one third") << 1.0 / 3.0 << kPoint << "0.333333333333333";
        QTest::newRow("2.5 (comma)") << 2.5 << kComma << "2,5";
        QTest::newRow("2.53e-6") << 2.53 * (1 / 1e6) << kPoint << "2.53e-06";
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << kPoint << "0.3";
        QTest::newRow("-0") << -0.0 << kPoint << "-0";
    }

    void numberTextReadsBackRoundedTo15Digits()
    {
        QFETCH(double, value);
        QFETCH(Separators, separators);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(toNumberText(value, separators)), text);
    }

    void formatsLikeTheResultPattern_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<Separators>("separators");
        QTest::addColumn<QString>("shown");

        QTest::newRow("100.1197") << 100.1197 << kPoint << "100.12";
        QTest::newRow("100.1197 (comma)") << 100.1197 << kComma << "100,12";
        QTest::newRow("5") << 5.0 << kPoint << "5.";
        QTest::newRow("0.5") << 0.5 << kPoint << ".5";
        QTest::newRow("0") << 0.0 << kPoint << ".";
        QTest::newRow("-0.004") << -0.004 << kPoint << ".";
        QTest::newRow("1234567.891") << 1234567.891 << kPoint << "1234567.89";
        QTest::newRow("0.125") << 0.125 << kPoint << ".13";
        QTest::newRow("2.125") << 2.125 << kPoint << "2.13";
        QTest::newRow("-0.375") << -0.375 << kPoint << "-.38";
        QTest::newRow("2.675") << 2.675 << kPoint << "2.67";
        QTest::newRow("1099511627775.125") << 1099511627775.125 << kPoint << "1099511627775.13";
        QTest::newRow("1099511627776.625") << 1099511627776.625 << kPoint << "1099511627776.63";
        QTest::newRow("1e20") << 1e20 << kPoint << "100000000000000000000.";
    }

    void formatsLikeTheResultPattern()
    {
        QFETCH(double, value);
        QFETCH(Separators, separators);
        QFETCH(QString, shown);
        QCOMPARE(QString::fromStdString(formatResult(value, separators)), shown);
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "test_number_text.moc"
