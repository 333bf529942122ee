// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "application_setup.h"
#include "main_window.h"
#include "platform_choice.h"
#include "result_label.h"

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
    QString text(const QString &name) const { return find(name)->property("text").toString(); }

    // Clicks whatever is where the design draws a tab: four equal tabs across the tab control, 20 high.
    void clickTab(int tab) const
    {
        QWidget *tabs = find(QStringLiteral("SSTab1"));
        const QPoint at(tabs->width() * (2 * tab + 1) / 8, 10);
        QWidget *target = tabs->childAt(at) ? tabs->childAt(at) : tabs;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(tabs, at));
    }

    void show(int tab) const
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        clickTab(tab);
        QCOMPARE(m_window->findChild<QTabBar *>()->currentIndex(), tab);
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
        QCOMPARE(m_window->findChild<QTabBar *>()->currentIndex(), 0);
        QCOMPARE(m_window->bandFlag(), 2);
        QCOMPARE(text(QStringLiteral("Label4")), QStringLiteral("μH(微亨)"));
        QCOMPARE(text(QStringLiteral("Label20")), QStringLiteral("MHz(兆赫)"));
        for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Label5", "Label10", "Label19"})
            QVERIFY2(text(QLatin1String(name)).isEmpty(), name);

        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(focusName(), QStringLiteral("SSTab1"));
        QVERIFY(!find(QStringLiteral("Text4"))->isVisible());
        QCOMPARE(m_window->frameGeometry().center(), m_window->screen()->availableGeometry().center());
        QCOMPARE(m_window->windowIcon().actualSize(QSize(24, 24)), QSize(24, 24));
    }

    void controlsSitAtDesignPlacesInDesignFonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("font");

        // Places relative to the tab control's outer corner, or to the parent for the first three.
        const QString ui = QStringLiteral("Noto Sans CJK SC 9");
        QTest::newRow("Frame1") << "Frame1" << QRect(8, 8, 489, 41) << ui;
        QTest::newRow("SSTab1") << "SSTab1" << QRect(8, 56, 489, 273) << ui;
        QTest::newRow("Option3") << "Option3" << QRect(192, 16, 57, 17) << ui;
        QTest::newRow("Text1") << "Text1" << QRect(128, 72, 121, 25) << ui;
        QTest::newRow("Label3, bottom-aligned")
            << "Label3" << QRect(264, 80, 81, 17) << "Noto Serif CJK SC 10.5 bottom";
        QTest::newRow("Command3") << "Command3" << QRect(368, 224, 81, 25) << "Noto Serif CJK SC 10.5";
        QTest::newRow("Label8") << "Label8" << QRect(120, 168, 65, 25) << "Noto Serif CJK SC 12";
        QTest::newRow("Label10") << "Label10" << QRect(184, 168, 73, 25) << "Noto Serif CJK SC 10.5 bold red";
        QTest::newRow("Label18") << "Label18" << QRect(272, 168, 73, 25) << "Noto Serif CJK SC 10.5";
        QTest::newRow("Command5") << "Command5" << QRect(272, 224, 81, 25) << "Noto Serif CJK SC 10.5";
    }

    void controlsSitAtDesignPlacesInDesignFonts()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, font);

        QWidget *widget = find(name);
        QWidget *tabs = find(QStringLiteral("SSTab1"));
        QWidget *origin = widget != tabs && tabs->isAncestorOf(widget) ? tabs : widget->parentWidget();
        for (int tab = 3; tab >= 0; --tab)
            show(tab);
        QCOMPARE(QRect(widget->mapTo(origin, QPoint(0, 0)), widget->size()), place);
        const auto alignment = widget->property("alignment").value<Qt::Alignment>();
        QStringList seen{widget->font().family(), QString::number(widget->font().pointSizeF())};
        if (alignment & Qt::AlignBottom)
            seen << QStringLiteral("bottom");
        if (widget->font().bold())
            seen << QStringLiteral("bold");
        if (widget->palette().color(QPalette::WindowText) == Qt::red)
            seen << QStringLiteral("red");
        QCOMPARE(seen.join(QLatin1Char(' ')), font);
    }

    void bandAppliesWhicheverWayItIsChosen_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("high");
        QTest::addColumn<bool>("resultsKept");

        QTest::newRow("click 低频") << QStringList{"Option3"} << false << false;
        QTest::newRow("click 低频, then 高频") << QStringList{"Option3", "Option4"} << true << false;
        QTest::newRow("click 高频 again") << QStringList{"Option4"} << true << true;
        QTest::newRow("Right arrow on 高频") << QStringList{"Right"} << false << false;
    }

    void bandAppliesWhicheverWayItIsChosen()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, high);
        QFETCH(bool, resultsKept);

        show(3);
        find(QStringLiteral("Text4"))->setProperty("text", QStringLiteral("10"));
        for (const char *result : {"Label5", "Label10", "Label19"})
            m_window->findChild<ResultLabel *>(QLatin1String(result))->setResult(QStringLiteral("1.5"));
        find(QStringLiteral("Option4"))->setFocus();
        for (const QString &step : steps) {
            if (step == QLatin1String("Right"))
                QTest::keyClick(find(QStringLiteral("Option4")), Qt::Key_Right);
            else
                QTest::mouseClick(find(step), Qt::LeftButton);
        }

        QCOMPARE(m_window->bandFlag(), high ? 2 : 1);
        for (const char *label : {"Label4", "Label11", "Label18"})
            QCOMPARE(text(QLatin1String(label)), high ? QStringLiteral("μH(微亨)") : QStringLiteral("mH(毫亨)"));
        for (const char *label : {"Label6", "Label9", "Label20"})
            QCOMPARE(text(QLatin1String(label)), high ? QStringLiteral("MHz(兆赫)") : QStringLiteral("KHz(千赫)"));
        for (const char *result : {"Label5", "Label10", "Label19"})
            QCOMPARE(text(QLatin1String(result)), resultsKept ? QStringLiteral("1.5") : QString());
        QCOMPARE(text(QStringLiteral("Text4")), QStringLiteral("10"));
    }

    void refreshClearsOnlyItsTab_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("refresh");

        QTest::newRow("Command6") << 0 << "Command6";
        QTest::newRow("Command7") << 1 << "Command7";
        QTest::newRow("Command11") << 2 << "Command11";
    }

    void refreshClearsOnlyItsTab()
    {
        QFETCH(int, tab);
        QFETCH(QString, refresh);

        const QStringList perTab[]
            = {{"Text1", "Text2", "Label5"}, {"Text3", "Text4", "Label10"}, {"Text5", "Text6", "Label19"}};
        show(tab);
        for (const QStringList &names : perTab)
            for (const QString &name : names)
                find(name)->setProperty("text", name);
        QTest::mouseClick(find(refresh), Qt::LeftButton);

        for (int other = 0; other < 3; ++other)
            for (const QString &name : perTab[other])
                QCOMPARE(text(name), other == tab ? QString() : name);
        QCOMPARE(m_window->findChild<QTabBar *>()->currentIndex(), tab);
    }

    void tabKeyVisitsTheDesignedCycle_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("cycle");

        QTest::newRow("0") << 0 << QStringList{"SSTab1", "Command3", "Command2", "Text1", "Text2", "band", "Command6"};
        QTest::newRow("1, lower box first")
            << 1 << QStringList{"SSTab1", "Text3", "Text4", "Command1", "Command10", "band", "Command7"};
        QTest::newRow("2") << 2 << QStringList{"SSTab1", "band", "Command4", "Command5", "Text5", "Text6", "Command11"};
        QTest::newRow("3") << 3 << QStringList{"SSTab1", "band"};
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

    void screenReadersHearCaptionsAndUnits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("heard");

        QTest::newRow("Text1") << "Text1"
                               << "电容值：|pF(皮法)";
        QTest::newRow("Text2") << "Text2"
                               << "电感值：|mH(毫亨)";
        QTest::newRow("Text3") << "Text3"
                               << "电感值：|mH(毫亨)";
        QTest::newRow("Text4") << "Text4"
                               << "频率值：|KHz(千赫)";
        QTest::newRow("Text5") << "Text5"
                               << "频率值：|KHz(千赫)";
        QTest::newRow("Text6") << "Text6"
                               << "电容值：|pF(皮法)";
        QTest::newRow("Label5") << "Label5"
                                << "频率值 4.2 KHz(千赫)|";
        QTest::newRow("Label10") << "Label10"
                                 << "电容值 4.2 pF(皮法)|";
        QTest::newRow("Label19") << "Label19"
                                 << "电感值 4.2 mH(毫亨)|";
    }

    void screenReadersHearCaptionsAndUnits()
    {
        QFETCH(QString, name);
        QFETCH(QString, heard);
        QTest::mouseClick(find(QStringLiteral("Option3")), Qt::LeftButton);
        if (auto *result = qobject_cast<ResultLabel *>(find(name)))
            result->setResult(QStringLiteral("4.2"));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(find(name));
        QCOMPARE(accessible->text(QAccessible::Name) + QLatin1Char('|') + accessible->text(QAccessible::Description),
                 heard);
    }

    void contextMenusReadChinese_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("entries");

        QTest::newRow("Text1") << "Text1" << QStringList{"撤销", "重做", "剪切", "复制", "粘贴", "删除", "全选"};
        QTest::newRow("Label5") << "Label5" << QStringList{"复制", "全选"};
    }

    void contextMenusReadChinese()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, entries);
        setUpApplication(*qApp);
        QWidget *widget = find(name);
        if (auto *result = qobject_cast<ResultLabel *>(widget))
            result->setResult(QStringLiteral("5.03"));
        show(0);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(widget, &event);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList seen;
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                seen << action->text().section(QLatin1Char('\t'), 0, 0).section(QLatin1Char('('), 0, 0);
        menu->close();
        QCOMPARE(seen, entries);
    }

    void prefersX11WhereItIsReachable_data()
    {
        QTest::addColumn<QByteArray>("chosen");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("platform");

        QTest::newRow("nothing chosen, DISPLAY :0") << QByteArray() << QByteArray(":0") << QByteArray("xcb;wayland");
        QTest::newRow("wayland chosen, DISPLAY :0") << QByteArray("wayland") << QByteArray(":0") << QByteArray();
        QTest::newRow("nothing chosen, no DISPLAY") << QByteArray() << QByteArray() << QByteArray();
    }

    void prefersX11WhereItIsReachable()
    {
        QFETCH(QByteArray, chosen);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, platform);
        QCOMPARE(preferredPlatform(chosen, display), platform);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
