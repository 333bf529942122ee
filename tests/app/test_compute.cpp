// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "main_window.h"
#include "result_label.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <limits>
#include <memory>
#include <new>

namespace {

// Allocations above this size fail, as they would on a machine out of memory.
std::size_t g_largestAllocation = std::numeric_limits<std::size_t>::max();

} // namespace

void *operator new(std::size_t size)
{
    void *memory = size <= g_largestAllocation ? std::malloc(size ? size : 1) : nullptr;
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

void operator delete(void *memory) noexcept
{
    std::free(memory);
}

void operator delete(void *memory, std::size_t /*size*/) noexcept
{
    std::free(memory);
}

// Clicks on the compute buttons, in whatever locale the test runs: entries and expected texts
// are written with a full stop and typed and shown with the locale's decimal separator.
class TestCompute : public QObject
{
    Q_OBJECT

    std::unique_ptr<Frm_main> m_window;

    template<typename T = QWidget>
    T *find(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    static QString local(QString text) { return text.replace(QLatin1Char('.'), QLocale::system().decimalPoint()); }

    // Types both entries of a calculator ("Text4,Text3,Label10,Command1"), clicks compute and
    // returns "title|prompt|button|icon" of the message box that opened, if any.
    QString compute(const QString &controls, const QString &upper, const QString &lower) const
    {
        const QStringList names = controls.split(QLatin1Char(','));
        find<QLineEdit>(names[0])->setText(local(upper));
        find<QLineEdit>(names[1])->setText(local(lower));
        auto seen = std::make_shared<QString>();
        QTimer::singleShot(0, m_window.get(), [seen] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                QStringList buttons;
                for (const QAbstractButton *button : box->buttons())
                    buttons << button->text();
                *seen = QStringList{box->windowTitle(), box->text(), buttons.join(QLatin1Char(',')),
                                    QString::number(box->icon())}
                            .join(QLatin1Char('|'));
                box->accept();
            }
        });
        QTest::mouseClick(find(names[3]), Qt::LeftButton);
        return *seen;
    }

private slots:
    void init() { m_window = std::make_unique<Frm_main>(); }
    void cleanup() { m_window.reset(); }

    void showsResults_data()
    {
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("controls");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("shown");

        const QString capacitance = QStringLiteral("Text4,Text3,Label10,Command1");
        const QString inductance = QStringLiteral("Text5,Text6,Label19,Command5");
        const QString frequency = QStringLiteral("Text1,Text2,Label5,Command2");
        QTest::newRow("capacitance, high, 10, 2.53") << "Option4" << capacitance << "10"
                                                     << "2.53"
                                                     << "100.12";
        QTest::newRow("capacitance, low, 10, 2.53") << "Option3" << capacitance << "10"
                                                    << "2.53"
                                                    << "100119.75";
        QTest::newRow("capacitance, low, 0.05, 10") << "Option3" << capacitance << "0.05"
                                                    << "10"
                                                    << "1013211870.99";
        QTest::newRow("inductance, low, 100, 253.3") << "Option3" << inductance << "100"
                                                     << "253.3"
                                                     << "10.";
        QTest::newRow("inductance, high, １０, '１００\\t'") << "Option4" << inductance << "１０"
                                                             << "１００\t"
                                                             << "2.53";
        QTest::newRow("frequency, low, 470, 10") << "Option3" << frequency << "470"
                                                 << "10"
                                                 << "73.41";
        QTest::newRow("frequency, high, 1e30, 1e30") << "Option4" << frequency << "1e30"
                                                     << "1e30"
                                                     << ".";
    }

    void showsResults()
    {
        QFETCH(QString, band);
        QFETCH(QString, controls);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        QFETCH(QString, shown);

        QTest::mouseClick(find(band), Qt::LeftButton);
        QCOMPARE(compute(controls, upper, lower), QString());
        QCOMPARE(find<QLabel>(controls.section(QLatin1Char(','), 2, 2))->text(), local(shown));
    }

    void reportsWrongEntriesAndKeepsEverything_data()
    {
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("prompt");

        QTest::newRow("empty, empty") << ""
                                      << ""
                                      << "请输入计算参数信息！";
        QTest::newRow("abc, 2.53") << "abc"
                                   << "2.53"
                                   << "请输入数值型参数信息！";
        QTest::newRow("0, 2.53") << "0"
                                 << "2.53"
                                 << "除数为零，请检查输入的参数！";
        QTest::newRow("1e300, 0") << "1e300"
                                  << "0"
                                  << "无效的运算，请检查输入的参数！";
        QTest::newRow("a megabyte of digits") << QString(1 << 20, QLatin1Char('7')) << "1"
                                              << "数值溢出，请检查输入的参数！";
        QTest::newRow("out of memory") << QString(1 << 20, QLatin1Char('1')) << "1"
                                       << "无法完成计算，请检查输入的参数！";
    }

    void reportsWrongEntriesAndKeepsEverything()
    {
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        QFETCH(QString, prompt);

        auto *result = find<ResultLabel>(QStringLiteral("Label10"));
        result->setResult(QStringLiteral("7.7"));
        if (QByteArray(QTest::currentDataTag()) == "out of memory")
            g_largestAllocation = 1 << 19;
        const QString seen = compute(QStringLiteral("Text4,Text3,Label10,Command1"), upper, lower);
        g_largestAllocation = std::numeric_limits<std::size_t>::max();
        QCOMPARE(seen, QStringLiteral("错误信息|%1|确定|0").arg(prompt));
        QCOMPARE(result->text(), QStringLiteral("7.7"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Text4"))->text(), local(upper));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Text3"))->text(), local(lower));
    }

    void drawsAResultWholeOrVisiblyCut_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("whole");

        QTest::newRow("1 character") << "." << true;
        QTest::newRow("9 characters") << "253302.97" << true;
        QTest::newRow("13 characters") << "1013211870.99" << true;
        QTest::newRow("20 characters") << "25330296774760998.25" << false;
        QTest::newRow("299 characters") << QString(296, QLatin1Char('8')) + QStringLiteral(".25") << false;
    }

    void drawsAResultWholeOrVisiblyCut()
    {
        QFETCH(QString, result);
        QFETCH(bool, whole);

        auto *label = find<ResultLabel>(QStringLiteral("Label10"));
        const QFont own = label->font();
        label->setResult(result);
        const QString drawn = label->drawnText();
        QCOMPARE(label->text(), result);
        QCOMPARE(drawn == result, whole);
        QVERIFY(whole || drawn.endsWith(QChar(0x2026)));
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(drawn) < label->width());
        QCOMPARE(label->toolTip(), label->font() == own ? QString() : result);
        QCOMPARE(label->font().family(), own.family());
        QVERIFY(label->font().bold() && label->font().pointSizeF() >= 7);
        QCOMPARE(label->geometry(), QRect(184, 168, 73, 25));

        label->setFocus();
        QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), result);
    }
};

QTEST_MAIN(TestCompute)
#include "test_compute.moc"
