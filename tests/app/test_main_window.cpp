#include "main_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTest>

#include <memory>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnFrequencyTabInHighBand();
    void windowIsFixedCentredAndTitled();
    void controlsSitAtDesignPlaces_data();
    void controlsSitAtDesignPlaces();
    void fontsAndColours_data();
    void fontsAndColours();
    void bandSwitchesEveryUnitLabel_data();
    void bandSwitchesEveryUnitLabel();
    void refreshClearsOnlyItsTab_data();
    void refreshClearsOnlyItsTab();
    void tabKeyVisitsTheDesignedCycle_data();
    void tabKeyVisitsTheDesignedCycle();
    void enterAndEscapeChangeNothing();

private:
    template<typename T = QWidget>
    T *find(const QString &name) const
    {
        auto *widget = m_window->findChild<T *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    QString text(const QString &name) const;
    void setText(const QString &name, const QString &value) const;
    void showTab(int index) const;
    QString focusName() const;

    std::unique_ptr<Frm_main> m_window;
    bool m_shown = false;
};

void TestMainWindow::init()
{
    m_window = std::make_unique<Frm_main>();
}

void TestMainWindow::cleanup()
{
    m_window.reset();
}

QString TestMainWindow::text(const QString &name) const
{
    QWidget *widget = find(name);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return box->text();
    return qobject_cast<QLabel *>(widget)->text();
}

void TestMainWindow::setText(const QString &name, const QString &value) const
{
    QWidget *widget = find(name);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        box->setText(value);
    else
        qobject_cast<QLabel *>(widget)->setText(value);
}

void TestMainWindow::showTab(int index) const
{
    auto *tabBar = find(QStringLiteral("SSTab1"))->findChild<QTabBar *>();
    QTest::mouseClick(tabBar, Qt::LeftButton, {}, tabBar->tabRect(index).center());
    QCOMPARE(tabBar->currentIndex(), index);
}

// The object name of the focused control; the tab control and the band group by their own names.
QString TestMainWindow::focusName() const
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return QStringLiteral("(none)");
    if (qobject_cast<QTabBar *>(focus))
        return focus->parentWidget()->objectName();
    if (qobject_cast<QRadioButton *>(focus))
        return QStringLiteral("band");
    return focus->objectName();
}

void TestMainWindow::opensOnFrequencyTabInHighBand()
{
    // Everything the load step sets is in place before the window is first shown.
    QCOMPARE(find(QStringLiteral("SSTab1"))->findChild<QTabBar *>()->currentIndex(), 0);
    QVERIFY(find<QRadioButton>(QStringLiteral("Option4"))->isChecked());
    QVERIFY(!find<QRadioButton>(QStringLiteral("Option3"))->isChecked());
    QCOMPARE(m_window->bandFlag(), 2);
    QCOMPARE(text(QStringLiteral("Label4")), QStringLiteral("μH(微亨)"));
    QCOMPARE(text(QStringLiteral("Label6")), QStringLiteral("MHz(兆赫)"));
    for (const char *empty : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Label5", "Label10", "Label19"})
        QVERIFY2(text(QString::fromLatin1(empty)).isEmpty(), empty);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(focusName(), QStringLiteral("SSTab1"));
    QVERIFY(find(QStringLiteral("Text1"))->isVisible());
    QVERIFY(!find(QStringLiteral("Text4"))->isVisible());
}

void TestMainWindow::windowIsFixedCentredAndTitled()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Lirevox               Oztrabel"));
    QCOMPARE(m_window->size(), QSize(506, 336));
    QCOMPARE(m_window->minimumSize(), QSize(506, 336));
    QCOMPARE(m_window->maximumSize(), QSize(506, 336));
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    // The frame's corner is placed before the frame's size is known; its border shifts the client.
    const QPoint offCentre = m_window->geometry().center() - m_window->screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 6, qPrintable(QStringLiteral("off centre by %1,%2").arg(offCentre.x()).arg(offCentre.y())));
    QCOMPARE(m_window->windowIcon().actualSize(QSize(24, 24)), QSize(24, 24));
}

void TestMainWindow::controlsSitAtDesignPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<bool>("onTabControl");

    QTest::newRow("frame") << "Frame1" << QRect(8, 8, 489, 41) << false;
    QTest::newRow("tab control") << "SSTab1" << QRect(8, 56, 489, 273) << false;
    QTest::newRow("high band option in its frame") << "Option4" << QRect(96, 16, 65, 17) << false;
    QTest::newRow("tab 0 upper box") << "Text1" << QRect(128, 72, 121, 25) << true;
    QTest::newRow("tab 0 inductance unit") << "Label4" << QRect(264, 104, 89, 25) << true;
    QTest::newRow("tab 0 cancel") << "Command3" << QRect(368, 224, 81, 25) << true;
    QTest::newRow("tab 1 lower box") << "Text3" << QRect(128, 104, 121, 25) << true;
    QTest::newRow("tab 1 result") << "Label10" << QRect(184, 168, 73, 25) << true;
    QTest::newRow("tab 1 refresh") << "Command7" << QRect(184, 224, 73, 25) << true;
    QTest::newRow("tab 2 result caption") << "Label21" << QRect(120, 168, 65, 25) << true;
    QTest::newRow("tab 2 result unit") << "Label18" << QRect(272, 168, 73, 25) << true;
    QTest::newRow("tab 2 compute") << "Command5" << QRect(272, 224, 81, 25) << true;
    QTest::newRow("about vendor") << "Label23" << QRect(152, 72, 257, 17) << true;
}

void TestMainWindow::controlsSitAtDesignPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(bool, onTabControl);

    QWidget *widget = find(name);
    QWidget *origin = onTabControl ? find(QStringLiteral("SSTab1")) : widget->parentWidget();
    const auto placeNow = [&] { return QRect(widget->mapTo(origin, QPoint(0, 0)), widget->size()); };
    // Right before the first frame, and unchanged once the window and every tab have been shown.
    QCOMPARE(placeNow(), place);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    for (int tab = 3; tab >= 0; --tab)
        showTab(tab);
    QCOMPARE(placeNow(), place);
}

void TestMainWindow::fontsAndColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");

    QTest::newRow("button") << "Command2" << 10.5 << false;
    QTest::newRow("unit label") << "Label12" << 10.5 << false;
    QTest::newRow("result label") << "Label19" << 10.5 << true;
    QTest::newRow("result caption") << "Label8" << 12.0 << false;
    QTest::newRow("entry caption") << "Label1" << 9.0 << false;
    QTest::newRow("input box") << "Text6" << 9.0 << false;
    QTest::newRow("band option") << "Option3" << 9.0 << false;
}

void TestMainWindow::fontsAndColours()
{
    QFETCH(QString, name);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);

    const QFont font = find(name)->font();
    QCOMPARE(font.pointSizeF(), pointSize);
    QCOMPARE(font.bold(), bold);
    if (pointSize != 9.0)
        QCOMPARE(font.families().first(), QStringLiteral("宋体"));
    const QColor red(255, 0, 0);
    QCOMPARE(find(name)->palette().color(QPalette::WindowText) == red, bold);
}

void TestMainWindow::bandSwitchesEveryUnitLabel_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("henry");
    QTest::addColumn<QString>("hertz");

    const QString high[] = {QStringLiteral("μH(微亨)"), QStringLiteral("MHz(兆赫)")};
    const QString low[] = {QStringLiteral("mH(毫亨)"), QStringLiteral("KHz(千赫)")};
    QTest::newRow("low") << QStringList{"Option3"} << 1 << low[0] << low[1];
    QTest::newRow("low, then high again") << QStringList{"Option3", "Option4"} << 2 << high[0] << high[1];
    QTest::newRow("selected band clicked again") << QStringList{"Option4", "Option4"} << 2 << high[0] << high[1];
    QTest::newRow("low clicked twice") << QStringList{"Option3", "Option3"} << 1 << low[0] << low[1];
}

void TestMainWindow::bandSwitchesEveryUnitLabel()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, flag);
    QFETCH(QString, henry);
    QFETCH(QString, hertz);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    showTab(3);
    setText(QStringLiteral("Text4"), QStringLiteral("10"));
    setText(QStringLiteral("Label10"), QStringLiteral("100.12"));
    for (const QString &option : clicks)
        QTest::mouseClick(find(option), Qt::LeftButton);

    QCOMPARE(m_window->bandFlag(), flag);
    for (const char *label : {"Label4", "Label11", "Label18"})
        QCOMPARE(text(QString::fromLatin1(label)), henry);
    for (const char *label : {"Label6", "Label9", "Label20"})
        QCOMPARE(text(QString::fromLatin1(label)), hertz);
    QCOMPARE(text(QStringLiteral("Label3")), QStringLiteral("pF(皮法)"));
    QCOMPARE(text(QStringLiteral("Text4")), QStringLiteral("10"));
    QCOMPARE(text(QStringLiteral("Label10")), QStringLiteral("100.12"));
}

void TestMainWindow::refreshClearsOnlyItsTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("refresh");

    QTest::newRow("frequency") << 0 << "Command6";
    QTest::newRow("capacitance") << 1 << "Command7";
    QTest::newRow("inductance") << 2 << "Command11";
}

void TestMainWindow::refreshClearsOnlyItsTab()
{
    QFETCH(int, tab);
    QFETCH(QString, refresh);

    const QStringList perTab[] = {{"Text1", "Text2", "Label5"}, {"Text3", "Text4", "Label10"}, {"Text5", "Text6", "Label19"}};
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTest::mouseClick(find(QStringLiteral("Option3")), Qt::LeftButton);
    for (const QStringList &names : perTab)
        for (const QString &name : names)
            setText(name, name);

    showTab(tab);
    QTest::mouseClick(find(refresh), Qt::LeftButton);

    for (int other = 0; other < 3; ++other)
        for (const QString &name : perTab[other])
            QCOMPARE(text(name), other == tab ? QString() : name);
    QCOMPARE(find(QStringLiteral("SSTab1"))->findChild<QTabBar *>()->currentIndex(), tab);
    QCOMPARE(m_window->bandFlag(), 1);
    QCOMPARE(text(QStringLiteral("Label9")), QStringLiteral("KHz(千赫)"));
}

void TestMainWindow::tabKeyVisitsTheDesignedCycle_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("cycle");

    QTest::newRow("frequency") << 0 << QStringList{"SSTab1", "Command3", "Command2", "Text1", "Text2", "band", "Command6"};
    QTest::newRow("capacitance, lower box first") << 1 << QStringList{"SSTab1", "Text3", "Text4", "Command1", "Command10", "band", "Command7"};
    QTest::newRow("inductance") << 2 << QStringList{"SSTab1", "band", "Command4", "Command5", "Text5", "Text6", "Command11"};
    QTest::newRow("about") << 3 << QStringList{"SSTab1", "band"};
}

void TestMainWindow::tabKeyVisitsTheDesignedCycle()
{
    QFETCH(int, tab);
    QFETCH(QStringList, cycle);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    showTab(tab);
    find(QStringLiteral("SSTab1"))->setFocus(Qt::TabFocusReason);

    QStringList forward{focusName()};
    for (qsizetype i = 0; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << focusName();
    }
    QCOMPARE(forward, cycle + QStringList{cycle.first()});

    QStringList backward{focusName()};
    for (qsizetype i = 0; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(focusName());
    }
    QCOMPARE(backward, cycle + QStringList{cycle.first()});
}

void TestMainWindow::enterAndEscapeChangeNothing()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    setText(QStringLiteral("Text1"), QStringLiteral("100"));
    setText(QStringLiteral("Text2"), QStringLiteral("10"));
    for (const char *name : {"Text2", "Command2", "Command3"}) {
        QWidget *widget = find(QString::fromLatin1(name));
        widget->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(widget, key);
    }
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QCoreApplication::processEvents();

    QVERIFY(m_window->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(text(QStringLiteral("Label5")), QString());
    QCOMPARE(text(QStringLiteral("Text1")), QStringLiteral("100"));
    QCOMPARE(text(QStringLiteral("Text2")), QStringLiteral("10"));
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
