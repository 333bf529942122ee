#include "main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

// Clicks on the compute buttons, in whatever locale the test runs: entries and expected texts
// are written with a full stop and typed and shown with the locale's decimal separator.
class TestCompute : public QObject
{
    Q_OBJECT

    struct Tab {
        int index;
        const char *upper, *lower, *result, *compute;
    };

    Frm_main m_window;

    template<typename T = QWidget>
    T *find(const char *name) { return m_window.findChild<T *>(QLatin1String(name)); }
    static QString local(QString text) { return text.replace(QLatin1Char('.'), QLocale::system().decimalPoint()); }

    Tab enter(const QString &tab, const QString &upper, const QString &lower)
    {
        const Tab t = tab == QLatin1String("frequency")     ? Tab{0, "Text1", "Text2", "Label5", "Command2"}
                      : tab == QLatin1String("capacitance") ? Tab{1, "Text4", "Text3", "Label10", "Command1"}
                                                            : Tab{2, "Text5", "Text6", "Label19", "Command5"};
        m_window.findChild<QTabBar *>()->setCurrentIndex(t.index);
        find<QLineEdit>(t.upper)->setText(local(upper));
        find<QLineEdit>(t.lower)->setText(local(lower));
        return t;
    }

    // Clicks the button; returns "title|prompt|buttons|icon" of the message box it opened, if any.
    QString clickCatchingMessage(const char *button)
    {
        QString seen;
        QTimer::singleShot(0, this, [&seen] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                QStringList buttons;
                for (QAbstractButton *each : box->buttons())
                    buttons << each->text();
                seen = QStringList{box->windowTitle(), box->text(), buttons.join(QLatin1Char(',')), QString::number(box->icon())}.join(QLatin1Char('|'));
                box->accept();
            }
        });
        QTest::mouseClick(find(button), Qt::LeftButton);
        QCoreApplication::processEvents();
        return seen;
    }

private slots:
    void showsResults_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("shown");

        QTest::newRow("capacitance, high") << "capacitance" << "Option4" << "10" << "2.53" << "100.12";
        QTest::newRow("capacitance, low") << "capacitance" << "Option3" << "100" << "10" << "253.3";
        QTest::newRow("same entries after a band change") << "capacitance" << "Option3" << "10" << "2.53" << "100119.75";
        QTest::newRow("inductance, high") << "inductance" << "Option4" << "10" << "100" << "2.53";
        QTest::newRow("inductance, low") << "inductance" << "Option3" << "100" << "253.3" << "10.";
        QTest::newRow("frequency, high") << "frequency" << "Option4" << "100" << "10" << "5.03";
        QTest::newRow("frequency, low") << "frequency" << "Option3" << "470" << "10" << "73.41";
        QTest::newRow("blanks, exponent, negative capacitance") << "inductance" << "Option4" << " 1e1 " << "-100" << "-2.53";
        QTest::newRow("below half a hundredth") << "frequency" << "Option4" << "1e30" << "1e30" << ".";
    }

    void showsResults()
    {
        QFETCH(QString, tab);
        QFETCH(QString, band);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        QFETCH(QString, shown);

        QTest::mouseClick(find(band.toLatin1().constData()), Qt::LeftButton);
        const Tab t = enter(tab, upper, lower);
        QCOMPARE(clickCatchingMessage(t.compute), QString());
        QCOMPARE(find<QLabel>(t.result)->text(), local(shown));
    }

    void reportsWrongEntriesAndKeepsEverything_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("prompt");

        const QString blank = QStringLiteral("请输入计算参数信息！");
        const QString byZero = QStringLiteral("除数为零，请检查输入的参数！");
        const QString overflow = QStringLiteral("数值溢出，请检查输入的参数！");
        const QString invalid = QStringLiteral("无效的运算，请检查输入的参数！");
        QTest::newRow("both empty") << "frequency" << "" << "" << blank;
        QTest::newRow("blank masks letters") << "inductance" << "abc" << "" << blank;
        QTest::newRow("letters") << "capacitance" << "10" << "abc" << QStringLiteral("请输入数值型参数信息！");
        QTest::newRow("zero frequency") << "capacitance" << "0" << "2.53" << byZero;
        QTest::newRow("zero capacitance") << "inductance" << "10" << "0" << byZero;
        QTest::newRow("opposite signs") << "frequency" << "-100" << "10" << invalid;
        QTest::newRow("zero by zero") << "capacitance" << "1e300" << "0" << invalid;
        QTest::newRow("beyond the double range") << "inductance" << "1e999" << "1" << overflow;
        QTest::newRow("number text above the largest double") << "inductance" << "1.7976931348623157e302" << "1" << overflow;
        QTest::newRow("square overflows") << "inductance" << "1e-300" << "1" << overflow;
    }

    void reportsWrongEntriesAndKeepsEverything()
    {
        QFETCH(QString, tab);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        QFETCH(QString, prompt);

        const Tab t = enter(tab, upper, lower);
        find<QLabel>(t.result)->setText(QStringLiteral("7.7"));
        QCOMPARE(clickCatchingMessage(t.compute), QStringLiteral("错误信息|%1|确定|0").arg(prompt));
        QCOMPARE(find<QLabel>(t.result)->text(), QStringLiteral("7.7"));
        QCOMPARE(find<QLineEdit>(t.upper)->text(), local(upper));
        QCOMPARE(find<QLineEdit>(t.lower)->text(), local(lower));
    }

    void answersAMegabyteEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("prompt");

        const int megabyte = 1 << 20;
        QTest::newRow("digits beyond the range") << QString(megabyte, QLatin1Char('7')) << QStringLiteral("数值溢出，请检查输入的参数！");
        QTest::newRow("zeros, then a one") << QString(megabyte, QLatin1Char('0')) + QLatin1Char('1') << QString();
        QTest::newRow("letters") << QString(megabyte, QLatin1Char('x')) << QStringLiteral("请输入数值型参数信息！");
    }

    void answersAMegabyteEntry()
    {
        QFETCH(QString, entry);
        QFETCH(QString, prompt);

        const Tab t = enter(QStringLiteral("capacitance"), entry, QStringLiteral("1"));
        QCOMPARE(find<QLineEdit>(t.upper)->text().size(), entry.size());
        QElapsedTimer clock;
        clock.start();
        const QString seen = clickCatchingMessage(t.compute);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
        QCOMPARE(seen.section(QLatin1Char('|'), 1, 1), prompt);
    }
};

QTEST_MAIN(TestCompute)
#include "test_compute.moc"
