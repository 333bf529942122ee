#include "main_window.h"
#include "qt_translation.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTest>

#include <memory>

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Frm_main> m_window;

    QWidget *find(const QString &name) const { return m_window->findChild<QWidget *>(name); }
    QTabBar *tabBar() const { return find(QStringLiteral("SSTab1"))->findChild<QTabBar *>(); }

    QString text(const QString &name) const { return find(name)->property("text").toString(); }
    void setText(const QString &name, const QString &value) const { find(name)->setProperty("text", value); }

    void show(int tab = 0) const
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::mouseClick(tabBar(), Qt::LeftButton, {}, tabBar()->tabRect(tab).center());
        QCOMPARE(tabBar()->currentIndex(), tab);
    }

    // The focused control by name; the tab control and the band group as one stop each.
    static QString focusName()
    {
        QWidget *focus = QApplication::focusWidget();
        if (qobject_cast<QTabBar *>(focus))
            return focus->parentWidget()->objectName();
        return qobject_cast<QRadioButton *>(focus) ? QStringLiteral("band") : focus->objectName();
    }

private slots:
    void init() { m_window = std::make_unique<Frm_main>(); }
    void cleanup() { m_window.reset(); }

    void opensAsDesigned()
    {
        // All of this holds before the first frame.
        QCOMPARE(tabBar()->currentIndex(), 0);
        QVERIFY(qobject_cast<QRadioButton *>(find(QStringLiteral("Option4")))->isChecked());
        QCOMPARE(m_window->bandFlag(), 2);
        QCOMPARE(text(QStringLiteral("Label4")), QStringLiteral("μH(微亨)"));
        QCOMPARE(text(QStringLiteral("Label20")), QStringLiteral("MHz(兆赫)"));
        for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Label5", "Label10", "Label19"})
            QVERIFY2(text(QLatin1String(name)).isEmpty(), name);

        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(focusName(), QStringLiteral("SSTab1"));
        QVERIFY(!find(QStringLiteral("Text4"))->isVisible());
        QCOMPARE(m_window->minimumSize(), QSize(506, 336));
        QCOMPARE(m_window->maximumSize(), QSize(506, 336));
        QVERIFY(!(m_window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        // The frame's corner is placed before its size is known, so its border shifts the client.
        const QPoint offCentre = m_window->geometry().center() - m_window->screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 6);
        QCOMPARE(m_window->windowIcon().actualSize(QSize(24, 24)), QSize(24, 24));
    }

    void controlsSitAtDesignPlacesInDesignFonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("redBold");

        // Places relative to the tab control's outer corner, or to the parent for the first three.
        QTest::newRow("frame") << "Frame1" << QRect(8, 8, 489, 41) << 9.0 << false;
        QTest::newRow("tab control") << "SSTab1" << QRect(8, 56, 489, 273) << 9.0 << false;
        QTest::newRow("band option") << "Option3" << QRect(192, 16, 57, 17) << 9.0 << false;
        QTest::newRow("tab 0 upper box") << "Text1" << QRect(128, 72, 121, 25) << 9.0 << false;
        QTest::newRow("tab 0 cancel") << "Command3" << QRect(368, 224, 81, 25) << 10.5 << false;
        QTest::newRow("tab 1 result") << "Label10" << QRect(184, 168, 73, 25) << 10.5 << true;
        QTest::newRow("tab 2 result unit") << "Label18" << QRect(272, 168, 73, 25) << 10.5 << false;
        QTest::newRow("tab 2 compute") << "Command5" << QRect(272, 224, 81, 25) << 10.5 << false;
    }

    void controlsSitAtDesignPlacesInDesignFonts()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(qreal, points);
        QFETCH(bool, redBold);

        QWidget *widget = find(name);
        QWidget *tabs = find(QStringLiteral("SSTab1"));
        QWidget *origin = widget != tabs && tabs->isAncestorOf(widget) ? tabs : widget->parentWidget();
        const auto placeNow = [&] { return QRect(widget->mapTo(origin, QPoint(0, 0)), widget->size()); };
        QCOMPARE(placeNow(), place);
        for (int tab = 3; tab >= 0; --tab)
            show(tab);
        QCOMPARE(placeNow(), place);
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), redBold);
        QCOMPARE(widget->font().styleHint() == QFont::Serif, points != 9.0);
        QCOMPARE(widget->palette().color(QPalette::WindowText) == QColor(255, 0, 0), redBold);
    }

    void bandSwitchesEveryUnitLabel_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("flag");

        QTest::newRow("low") << QStringList{"Option3"} << 1;
        QTest::newRow("low, then high again") << QStringList{"Option3", "Option4"} << 2;
        QTest::newRow("selected band clicked again") << QStringList{"Option4"} << 2;
    }

    void bandSwitchesEveryUnitLabel()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, flag);

        show(3);
        setText(QStringLiteral("Text4"), QStringLiteral("10"));
        setText(QStringLiteral("Label10"), QStringLiteral("100.12"));
        for (const QString &option : clicks)
            QTest::mouseClick(find(option), Qt::LeftButton);

        QCOMPARE(m_window->bandFlag(), flag);
        const bool high = flag == 2;
        for (const char *label : {"Label4", "Label11", "Label18"})
            QCOMPARE(text(QLatin1String(label)), high ? QStringLiteral("μH(微亨)") : QStringLiteral("mH(毫亨)"));
        for (const char *label : {"Label6", "Label9", "Label20"})
            QCOMPARE(text(QLatin1String(label)), high ? QStringLiteral("MHz(兆赫)") : QStringLiteral("KHz(千赫)"));
        QCOMPARE(text(QStringLiteral("Text4")), QStringLiteral("10"));
        QCOMPARE(text(QStringLiteral("Label10")), QStringLiteral("100.12"));
    }

    void refreshClearsOnlyItsTab_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("refresh");

        QTest::newRow("frequency") << 0 << "Command6";
        QTest::newRow("capacitance") << 1 << "Command7";
        QTest::newRow("inductance") << 2 << "Command11";
    }

    void refreshClearsOnlyItsTab()
    {
        QFETCH(int, tab);
        QFETCH(QString, refresh);

        const QStringList perTab[] = {{"Text1", "Text2", "Label5"}, {"Text3", "Text4", "Label10"}, {"Text5", "Text6", "Label19"}};
        show(tab);
        QTest::mouseClick(find(QStringLiteral("Option3")), Qt::LeftButton);
        for (const QStringList &names : perTab)
            for (const QString &name : names)
                setText(name, name);
        QTest::mouseClick(find(refresh), Qt::LeftButton);

        for (int other = 0; other < 3; ++other)
            for (const QString &name : perTab[other])
                QCOMPARE(text(name), other == tab ? QString() : name);
        QCOMPARE(tabBar()->currentIndex(), tab);
        QCOMPARE(text(QStringLiteral("Label9")), QStringLiteral("KHz(千赫)"));
    }

    void tabKeyVisitsTheDesignedCycle_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("cycle");

        QTest::newRow("frequency") << 0 << QStringList{"SSTab1", "Command3", "Command2", "Text1", "Text2", "band", "Command6"};
        QTest::newRow("capacitance, lower box first") << 1 << QStringList{"SSTab1", "Text3", "Text4", "Command1", "Command10", "band", "Command7"};
        QTest::newRow("inductance") << 2 << QStringList{"SSTab1", "band", "Command4", "Command5", "Text5", "Text6", "Command11"};
        QTest::newRow("about") << 3 << QStringList{"SSTab1", "band"};
    }

    void tabKeyVisitsTheDesignedCycle()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, cycle);

        show(tab);
        find(QStringLiteral("SSTab1"))->setFocus(Qt::TabFocusReason);
        QStringList forward{focusName()}, backward{focusName()};
        for (qsizetype i = 0; i < cycle.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward << focusName();
        }
        for (qsizetype i = 0; i < cycle.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            backward.prepend(focusName());
        }
        QCOMPARE(forward, cycle + QStringList{cycle.first()});
        QCOMPARE(backward, forward);
    }

    void screenReadersHearTheCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("heard");

        QTest::newRow("upper box") << "Text1" << "电容值：";
        QTest::newRow("result") << "Label10" << "电容值";
        QTest::newRow("result, tab 2") << "Label19" << "电感值";
    }

    void screenReadersHearTheCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, heard);
        setText(name, QStringLiteral("42"));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(find(name));
        QCOMPARE(accessible->text(QAccessible::Name), heard);
        QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("42"));
    }

    void contextMenuReadsChinese()
    {
        QVERIFY(installQtChineseTranslation(*QCoreApplication::instance()));
        show(0);
        QWidget *box = find(QStringLiteral("Text1"));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(box, &event);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList entries;
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                entries << action->text().section(QLatin1Char('\t'), 0, 0).section(QLatin1Char('('), 0, 0);
        menu->close();
        QCOMPARE(entries, QStringList({"撤销", "重做", "剪切", "复制", "粘贴", "删除", "全选"}));
    }

    void enterAndEscapeChangeNothing()
    {
        show(0);
        setText(QStringLiteral("Text1"), QStringLiteral("100"));
        setText(QStringLiteral("Text2"), QStringLiteral("10"));
        for (const char *name : {"Text2", "Command2", "Command3"}) {
            find(QLatin1String(name))->setFocus();
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(find(QLatin1String(name)), key);
        }
        QCoreApplication::processEvents();
        QVERIFY(m_window->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(text(QStringLiteral("Label5")), QString());
        QCOMPARE(text(QStringLiteral("Text1")), QStringLiteral("100"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
