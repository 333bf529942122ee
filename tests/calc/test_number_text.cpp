#include "calc_error.h"
#include "number_text.h"

#include <QTest>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

using namespace lirevox;

namespace {

const Separators kPoint{".", ","};
const Separators kComma{",", "."};

// What toNumber made of a text: its value, "overflow" or "not numeric".
QString reading(const std::string &text, const Separators &separators)
{
    try {
        return QString::number(toNumber(text, separators), 'g', 17);
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
        QTest::addColumn<QString>("read");

        const QString no = QStringLiteral("not numeric");
        QTest::newRow("surrounding blanks") << " 12 " << kPoint << "12";
        QTest::newRow("exponent") << "1e3" << kPoint << "1000";
        QTest::newRow("leading separator") << ".5" << kPoint << "0.5";
        QTest::newRow("groups") << "1,234.5" << kPoint << "1234.5";
        QTest::newRow("comma decimal") << "2,53" << kComma << "2.5299999999999998";
        QTest::newRow("comma decimal, point groups") << "1.000,5" << kComma << "1000.5";
        QTest::newRow("beyond the double range") << "1e400" << kPoint << "overflow";
        QTest::newRow("underflow reads as zero") << "1e-400" << kPoint << "0";
        QTest::newRow("letters") << "abc" << kPoint << no;
        QTest::newRow("two separators") << "1.2.3" << kPoint << no;
        QTest::newRow("exponent without digits") << "1e+" << kPoint << no;
        QTest::newRow("group last") << "5," << kPoint << no;
        QTest::newRow("doubled group") << "1,,2" << kPoint << no;
        QTest::newRow("point groups under comma locale") << "1.5" << kComma << "15";
        QTest::newRow("inf") << "inf" << kPoint << no;
        QTest::newRow("leading tab") << "\t5" << kPoint << no;
        QTest::newRow("full-width digits") << "１２" << kPoint << no;
    }

    void readsExactlyTheNumericTexts()
    {
        QFETCH(QString, text);
        QFETCH(Separators, separators);
        QFETCH(QString, read);
        const std::string utf8 = text.toStdString();
        QCOMPARE(reading(utf8, separators), read);
        QCOMPARE(isNumeric(utf8, separators), read != QStringLiteral("not numeric"));
    }

    void numberTextReadsBackRoundedTo15Digits()
    {
        QCOMPARE(QString::fromStdString(toNumberText(3.1415926, kPoint)), QStringLiteral("3.1415926"));
        QCOMPARE(QString::fromStdString(toNumberText(1.0 / 3.0, kPoint)), QStringLiteral("0.333333333333333"));
        QCOMPARE(QString::fromStdString(toNumberText(2.5, kComma)), QStringLiteral("2,5"));

        std::mt19937_64 random(20261206);
        std::uniform_real_distribution<double> exponent(-300, 300);
        for (int i = 0; i < 100000; ++i) {
            const double value = std::pow(10.0, exponent(random)) * (random() % 2 ? 1 : -1);
            std::array<char, 40> rounded{};
            std::snprintf(rounded.data(), rounded.size(), "%.14e", value);
            const std::string text = toNumberText(value, kComma);
            QVERIFY2(toNumber(text, kComma) == std::strtod(rounded.data(), nullptr), text.c_str());
        }
        QVERIFY(std::signbit(toNumber(toNumberText(-0.0, kPoint), kPoint)));
    }

    void formatsLikeTheResultPattern_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<Separators>("separators");
        QTest::addColumn<QString>("shown");

        QTest::newRow("two decimals") << 100.1197 << kPoint << "100.12";
        QTest::newRow("no leading zero") << 0.5 << kPoint << ".5";
        QTest::newRow("negative rounding to zero has no sign") << -0.004 << kPoint << ".";
        QTest::newRow("no group separators") << 1234567.891 << kPoint << "1234567.89";
        QTest::newRow("exact half away from zero") << 0.125 << kPoint << ".13";
        QTest::newRow("negative exact half") << -0.375 << kPoint << "-.38";
        QTest::newRow("just below a half") << 2.675 << kPoint << "2.67";
        QTest::newRow("comma locale") << 100.1197 << kComma << "100,12";
        QTest::newRow("huge") << 1e20 << kPoint << "100000000000000000000.";
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
