// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "application_setup.h"
#include "main_window.h"
#include "result_label.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <cstdlib>
#include <memory>
#include <new>

// Allocations above this size fail, as on a machine out of memory.
static std::size_t largestAllocation = SIZE_MAX;

// clang-format off
void *operator new(std::size_t size)
{
    void *memory = size <= largestAllocation ? std::malloc(size ? size : 1) : nullptr;
    return memory ? memory : throw std::bad_alloc();
}
void operator delete(void *memory) noexcept { std::free(memory); }
void operator delete(void *memory, std::size_t /*size*/) noexcept { std::free(memory); }
// clang-format on

// The window as a user drives it: clicks where the controls are drawn, keys, typing, in whatever
// locale the test runs (entries and results are written here with a full stop and a comma, and typed
// and shown with the locale's decimal and group separators).
using namespace Qt::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Frm_main> m_window;

    QWidget *find(const QString &name) const { return m_window->findChild<QWidget *>(name); }
    // A number as the locale writes it: '.' its decimal separator, ',' its group separator.
    static QString local(QString text)
    {
        const QLocale locale = QLocale::system();
        for (QChar &c : text)
            c = c == u'.' ? locale.decimalPoint().front() : c == u',' ? locale.groupSeparator().front() : c;
        return text;
    }
    int tab() const { return m_window->findChild<QTabBar *>()->currentIndex(); }
    // The texts of the named controls, "_" for an empty one.
    QString texts(const QString &names) const
    {
        QStringList all;
        for (const QString &name : names.split(u' '))
            all << find(name)->property("text").toString();
        return all.replaceInStrings(QRegularExpression(u"^$"_s), u"_"_s).join(u' ');
    }

    // Shows the window and clicks whatever is where the design draws the tab: four equal tabs
    // across the tab control, 20 pixels high.
    void show(int index) const
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QWidget *tabs = find(u"SSTab1"_s);
        const QPoint at(tabs->width() * (2 * index + 1) / 8, 10);
        QWidget *target = tabs->childAt(at) ? tabs->childAt(at) : tabs;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(tabs, at));
        QCOMPARE(tab(), index);
    }

    // Clicks a button; returns "title|prompt|first button|buttons, icon" of the message box it
    // opened, if any.
    QString click(const QString &button) const
    {
        auto seen = std::make_shared<QString>();
        QTimer::singleShot(0, m_window.get(), [seen] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                *seen = QStringList{box->windowTitle(), box->text(), box->buttons().constFirst()->text(),
                                    u"%1, %2"_s.arg(box->buttons().size()).arg(box->icon())}
                            .join(u'|');
                box->accept();
            }
        });
        QTest::mouseClick(find(button), Qt::LeftButton);
        return *seen;
    }

    static QString focusName()
    {
        QWidget *focus = QApplication::focusWidget();
        return qobject_cast<QTabBar *>(focus)     ? focus->parentWidget()->objectName()
            : qobject_cast<QRadioButton *>(focus) ? u"band"_s
                                                  : focus->objectName();
    }

private slots:
    void init() { m_window = std::make_unique<Frm_main>(); }
    void cleanup() { m_window.reset(); }

    void controlsSitAtDesignPlacesInDesignFonts_data()
    {
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("font");

        // Relative to the tab control's outer corner, or to the parent for the first three.
        const QString song = u"Noto Serif CJK SC 10.5"_s;
        // clang-format off
        QTest::newRow("Frame1") << QRect(8, 8, 489, 41) << "Noto Sans CJK SC 9";
        QTest::newRow("SSTab1") << QRect(8, 56, 489, 273) << "Noto Sans CJK SC 9";
        QTest::newRow("Option3") << QRect(192, 16, 57, 17) << "Noto Sans CJK SC 9";
        QTest::newRow("Text1") << QRect(128, 72, 121, 25) << "Noto Sans CJK SC 9";
        QTest::newRow("Label3") << QRect(264, 80, 81, 17) << song + u" bottom"_s;
        QTest::newRow("Command3") << QRect(368, 224, 81, 25) << song;
        QTest::newRow("Label8") << QRect(120, 168, 65, 25) << "Noto Serif CJK SC 12";
        QTest::newRow("Label10") << QRect(184, 168, 73, 25) << song + u" bold red"_s;
        QTest::newRow("Label18") << QRect(272, 168, 73, 25) << song;
        // clang-format on
    }

    void controlsSitAtDesignPlacesInDesignFonts()
    {
        QFETCH(QRect, place);
        QFETCH(QString, font);
        QWidget *widget = find(QLatin1String(QTest::currentDataTag()));
        QWidget *tabs = find(u"SSTab1"_s);
        for (int index = 3; index >= 0; --index)
            show(index);
        const QWidget *origin = widget != tabs && tabs->isAncestorOf(widget) ? tabs : widget->parentWidget();
        QCOMPARE(QRect(widget->mapTo(origin, QPoint()), widget->size()), place);
        const bool bottom = widget->property("alignment").value<Qt::Alignment>() & Qt::AlignBottom;
        const bool redBold = widget->font().bold() && widget->palette().color(QPalette::WindowText) == Qt::red;
        QCOMPARE(u"%1 %2%3%4"_s.arg(widget->font().family())
                     .arg(widget->font().pointSizeF())
                     .arg(bottom ? u" bottom"_s : QString(), redBold ? u" bold red"_s : QString()),
                 font);
    }

    // A row names the band and the entries of the calculator, whose controls it holds.
    void computes_data()
    {
        QTest::addColumn<QString>("calculator");
        QTest::addColumn<QString>("shown");

        const QString capacitance = u"Text4 Text3 Label10 Command1"_s;
        const QString inductance = u"Text5 Text6 Label19 Command5"_s;
        // clang-format off
        QTest::newRow("高频, 10, 2.53") << capacitance << "100.12";
        QTest::newRow("低频, 10, 2.53") << capacitance << "100119.75";
        QTest::newRow("低频, 0.05, 10") << capacitance << "1013211870.99";
        QTest::newRow("低频, 100, 253.3") << inductance << "10.";
        QTest::newRow("高频, １０, １００\t") << inductance << "2.53";
        QTest::newRow("低频, 470, 10") << "Text1 Text2 Label5 Command2" << "73.41";
        QTest::newRow("高频, _, 1") << capacitance << "请输入计算参数信息！";
        QTest::newRow("高频, 2,53, 1") << capacitance << "请输入数值型参数信息！";
        QTest::newRow("低频, 100, 1,000") << capacitance << "2.53";
        QTest::newRow("高频, 0, 1") << capacitance << "除数为零，请检查输入的参数！";
        QTest::newRow("高频, 1e300, 0") << capacitance << "无效的运算，请检查输入的参数！";
        QTest::newRow("高频, 1e999, 1") << capacitance << "数值溢出，请检查输入的参数！";
        QTest::newRow("高频, out of memory, 1") << capacitance << "无法完成计算，请检查输入的参数！";
        // clang-format on
    }

    // A failed computation shows its message and keeps the entries and the last result.
    void computes()
    {
        QFETCH(QString, calculator);
        QFETCH(QString, shown);
        QStringList row = QString::fromUtf8(QTest::currentDataTag()).split(u", "_s);
        const QStringList names = calculator.split(u' ');
        QTest::mouseClick(find(row[0] == u"低频"_s ? u"Option3"_s : u"Option4"_s), Qt::LeftButton);
        largestAllocation = row[1] == u"out of memory"_s ? 1 << 19 : SIZE_MAX;
        if (largestAllocation != SIZE_MAX)
            row[1] = QString(1 << 20, u'1');
        row << u"7.7"_s;
        for (int i = 0; i < 3; ++i)
            find(names[i])->setProperty("text", local(row[i + 1]).remove(u'_'));
        const QString message = click(names[3]);
        largestAllocation = SIZE_MAX;
        QCOMPARE(message, message.isEmpty() ? QString() : u"错误信息|%1|确定|1, 0"_s.arg(shown));
        QCOMPARE(texts(calculator.section(u' ', 0, 2)),
                 local(QStringList{row[1], row[2], message.isEmpty() ? shown : row[3]}.join(u' ')));
    }

    void drawsAResultWholeOrVisiblyCut_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("whole");

        // clang-format off
        QTest::newRow("1 character") << "." << true;
        QTest::newRow("13 characters") << "1013211870.99" << true;
        QTest::newRow("20 characters") << "25330296774760998.25" << false;
        QTest::newRow("206 characters") << QString(203, u'8') + u".25"_s << false;
        // clang-format on
    }

    // Drawn whole in the label's own face, smaller if need be, or cut with an ellipsis and whole in
    // the tooltip; the text itself is always the whole result, which select all and copy take.
    void drawsAResultWholeOrVisiblyCut()
    {
        QFETCH(QString, result);
        QFETCH(bool, whole);
        auto *label = m_window->findChild<ResultLabel *>(u"Label10"_s);
        const QFont own = label->font();
        label->setResult(result);
        const QString drawn = label->drawnText();
        QCOMPARE(drawn == result                     ? u"whole"_s
                     : drawn.endsWith(QChar(0x2026)) ? u"cut"_s
                                                     : drawn,
                 whole ? u"whole"_s : u"cut"_s);
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(drawn) < label->width());
        QCOMPARE(label->toolTip(), label->font() == own ? QString() : result);
        // Asked for at the screen's right edge, the tooltip lies wholly on the screen.
        const QRect screen = label->screen()->availableGeometry();
        QHelpEvent help(QEvent::ToolTip, {}, screen.topRight());
        QCoreApplication::sendEvent(label, &help);
        const QWidget *tip = nullptr;
        for (const QWidget *each : QApplication::topLevelWidgets())
            tip = each->inherits("QTipLabel") && each->isVisible() ? each : tip;
        QVERIFY(label->toolTip().isEmpty()
                || (tip && screen.contains(tip->geometry()) && QToolTip::text().remove(u'\n') == result));
        QVERIFY(label->font().family() == own.family() && label->font().bold() && label->font().pointSizeF() >= 7);
        QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), result);
    }

    // Every entry and result, each set to its own name or 1.5, then the row's clicks on a tab.
    void clicksChangeOnlyWhatTheyShould_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");

        // clang-format off
        QTest::newRow("低频") << "3 Option3" << "1 Text1 Text2 _ Text3 Text4 _ Text5 Text6 _";
        QTest::newRow("Right arrow on 高频") << "3 Right" << "1 Text1 Text2 _ Text3 Text4 _ Text5 Text6 _";
        QTest::newRow("低频, 高频") << "3 Option3 Option4" << "2 Text1 Text2 _ Text3 Text4 _ Text5 Text6 _";
        QTest::newRow("高频 again") << "3 Option4" << "2 Text1 Text2 1.5 Text3 Text4 1.5 Text5 Text6 1.5";
        QTest::newRow("刷 新 on tab 0") << "0 Command6" << "2 _ _ _ Text3 Text4 1.5 Text5 Text6 1.5";
        QTest::newRow("刷 新 on tab 1") << "1 Command7" << "2 Text1 Text2 1.5 _ _ _ Text5 Text6 1.5";
        QTest::newRow("刷 新 on tab 2") << "2 Command11" << "2 Text1 Text2 1.5 Text3 Text4 1.5 _ _ _";
        // clang-format on
    }

    void clicksChangeOnlyWhatTheyShould()
    {
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        const QString names = u"Text1 Text2 Label5 Text3 Text4 Label10 Text5 Text6 Label19"_s;
        show(steps.section(u' ', 0, 0).toInt());
        for (const QString &name : names.split(u' '))
            find(name)->setProperty("text", name.startsWith(u'T') ? name : u"1.5"_s);
        find(u"Option4"_s)->setFocus();
        for (const QString &step : steps.split(u' ').mid(1))
            step == u"Right"_s ? QTest::keyClick(find(u"Option4"_s), Qt::Key_Right)
                               : QTest::mouseClick(find(step), Qt::LeftButton);
        QCOMPARE(QString::number(m_window->bandFlag()) + u' ' + texts(names), shown);
        QCOMPARE(texts(u"Label4 Label6 Label9 Label11 Label20 Label18"_s),
                 shown.startsWith(u'1') ? u"mH(毫亨) KHz(千赫) KHz(千赫) mH(毫亨) KHz(千赫) mH(毫亨)"_s
                                        : u"μH(微亨) MHz(兆赫) MHz(兆赫) μH(微亨) MHz(兆赫) μH(微亨)"_s);
        QCOMPARE(tab(), steps.section(u' ', 0, 0).toInt());
    }

    void tabKeyVisitsTheDesignedCycle_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("cycle");

        // clang-format off
        QTest::newRow("0") << 0 << "SSTab1 Command3 Command2 Text1 Text2 band Command6";
        QTest::newRow("1, lower box first") << 1 << "SSTab1 Text3 Text4 Command1 Command10 band Command7";
        QTest::newRow("2") << 2 << "SSTab1 band Command4 Command5 Text5 Text6 Command11";
        QTest::newRow("3") << 3 << "SSTab1 band";
        // clang-format on
    }

    // From where the window puts the focus when it opens.
    void tabKeyVisitsTheDesignedCycle()
    {
        QFETCH(int, index);
        QFETCH(QString, cycle);
        show(index);
        QStringList seen;
        for (qsizetype i = cycle.count(u' '); i >= 0; --i) {
            seen << focusName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(seen.join(u' ') + u' ' + focusName(), cycle + u" SSTab1"_s);
    }

    // The start-up's own setting up, which loads Qt's Chinese texts.
    void contextMenusReadChinese_data()
    {
        QTest::addColumn<QString>("entries");

        // clang-format off
        QTest::newRow("Text1") << "撤销 重做 剪切 复制 粘贴 删除 全选";
        QTest::newRow("Label5") << "复制 全选";
        // clang-format on
    }

    void contextMenusReadChinese()
    {
        QFETCH(QString, entries);
        setUpApplication(*qApp);
        QWidget *widget = find(QLatin1String(QTest::currentDataTag()));
        widget->setProperty("text", u"5.03"_s);
        show(0);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(widget, &event);
        QString seen;
        for (const QAction *action : QApplication::activePopupWidget()->actions())
            seen += action->text().section(u'(', 0, 0).section(u'\t', 0, 0) + u' ';
        QCOMPARE(seen.simplified(), entries);
        QApplication::activePopupWidget()->actions().constLast()->trigger();
        QCOMPARE(widget->property("selectedText").toString() + QGuiApplication::desktopFileName(),
                 u"5.03example.oztrabel.Lirevox"_s);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
