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

// Clicking the compute buttons, in whatever locale the test runs: the entries and expected
// texts below are written with a full stop and shown with the locale's decimal separator.
class TestCompute : public QObject
{
    Q_OBJECT

private slots:
    void showsResults_data();
    void showsResults();
    void reportsWrongEntriesAndKeepsEverything_data();
    void reportsWrongEntriesAndKeepsEverything();
    void answersAMegabyteEntry_data();
    void answersAMegabyteEntry();

private:
    struct Tab {
        int index;
        const char *upper, *lower, *result, *compute;
    };
    static Tab tabNamed(const QString &name);
    static QString local(QString text) { return text.replace(QLatin1Char('.'), QLocale::system().decimalPoint()); }
    QString clickCatchingMessage(const char *button);
    template<typename T>
    T *find(const char *name) { return m_window.findChild<T *>(QLatin1String(name)); }

    Frm_main m_window;
};

TestCompute::Tab TestCompute::tabNamed(const QString &name)
{
    if (name == QLatin1String("frequency"))
        return {0, "Text1", "Text2", "Label5", "Command2"};
    if (name == QLatin1String("capacitance"))
        return {1, "Text4", "Text3", "Label10", "Command1"};
    return {2, "Text5", "Text6", "Label19", "Command5"};
}

// Clicks the button and returns "title|prompt|buttons|icon" of the message box it opens, if any.
QString TestCompute::clickCatchingMessage(const char *button)
{
    QString seen;
    QTimer::singleShot(0, this, [&seen] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            QStringList buttons;
            for (QAbstractButton *each : box->buttons())
                buttons << each->text();
            seen = QStringList{box->windowTitle(), box->text(), buttons.join(QLatin1Char(',')),
                               QString::number(box->icon())}.join(QLatin1Char('|'));
            box->accept();
        }
    });
    QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
    QCoreApplication::processEvents();
    return seen;
}

void TestCompute::showsResults_data()
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
    QTest::newRow("negative capacitance") << "inductance" << "Option4" << " 1e1 " << "-100" << "-2.53";
    QTest::newRow("below half a hundredth") << "frequency" << "Option4" << "1e30" << "1e30" << ".";
}

void TestCompute::showsResults()
{
    QFETCH(QString, tab);
    QFETCH(QString, band);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(QString, shown);

    const Tab t = tabNamed(tab);
    find<QTabBar>("")->setCurrentIndex(t.index);
    QTest::mouseClick(find<QWidget>(band.toLatin1().constData()), Qt::LeftButton);
    find<QLineEdit>(t.upper)->setText(local(upper));
    find<QLineEdit>(t.lower)->setText(local(lower));
    QCOMPARE(clickCatchingMessage(t.compute), QString());
    QCOMPARE(find<QLabel>(t.result)->text(), local(shown));
}

void TestCompute::reportsWrongEntriesAndKeepsEverything_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("prompt");

    const QString blank = QStringLiteral("请输入计算参数信息！");
    const QString notNumeric = QStringLiteral("请输入数值型参数信息！");
    const QString byZero = QStringLiteral("除数为零，请检查输入的参数！");
    QTest::newRow("both empty") << "frequency" << "" << "" << blank;
    QTest::newRow("blanks only") << "capacitance" << "   " << "2" << blank;
    QTest::newRow("blank masks letters") << "inductance" << "abc" << "" << blank;
    QTest::newRow("letters") << "capacitance" << "10" << "abc" << notNumeric;
    QTest::newRow("zero frequency") << "capacitance" << "0" << "2.53" << byZero;
    QTest::newRow("zero inductance") << "capacitance" << "10" << "0" << byZero;
    QTest::newRow("zero capacitance") << "inductance" << "10" << "0" << byZero;
    QTest::newRow("opposite signs") << "frequency" << "-100" << "10" << QStringLiteral("无效的运算，请检查输入的参数！");
    QTest::newRow("beyond the double range") << "inductance" << "1e999" << "1" << QStringLiteral("数值溢出，请检查输入的参数！");
}

void TestCompute::reportsWrongEntriesAndKeepsEverything()
{
    QFETCH(QString, tab);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(QString, prompt);

    const Tab t = tabNamed(tab);
    find<QTabBar>("")->setCurrentIndex(t.index);
    find<QLabel>(t.result)->setText(QStringLiteral("7.7"));
    find<QLineEdit>(t.upper)->setText(local(upper));
    find<QLineEdit>(t.lower)->setText(local(lower));
    QCOMPARE(clickCatchingMessage(t.compute), QStringLiteral("错误信息|%1|确定|0").arg(prompt));
    QCOMPARE(find<QLabel>(t.result)->text(), QStringLiteral("7.7"));
    QCOMPARE(find<QLineEdit>(t.upper)->text(), local(upper));
    QCOMPARE(find<QLineEdit>(t.lower)->text(), local(lower));
}

void TestCompute::answersAMegabyteEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("message");

    const int megabyte = 1 << 20;
    QTest::newRow("digits beyond the range") << QString(megabyte, QLatin1Char('7')) << QStringLiteral("数值溢出，请检查输入的参数！");
    QTest::newRow("zeros, then a one") << QString(megabyte, QLatin1Char('0')) + QLatin1Char('1') << QString();
    QTest::newRow("letters") << QString(megabyte, QLatin1Char('x')) << QStringLiteral("请输入数值型参数信息！");
}

void TestCompute::answersAMegabyteEntry()
{
    QFETCH(QString, entry);
    QFETCH(QString, message);

    find<QTabBar>("")->setCurrentIndex(1);
    find<QLineEdit>("Text4")->setText(entry);
    find<QLineEdit>("Text3")->setText(QStringLiteral("1"));
    QCOMPARE(find<QLineEdit>("Text4")->text().size(), entry.size());
    QElapsedTimer clock;
    clock.start();
    const QString seen = clickCatchingMessage("Command1");
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
    QCOMPARE(seen.section(QLatin1Char('|'), 1, 1), message);
}

QTEST_MAIN(TestCompute)
#include "test_compute.moc"
