// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "application_setup.h"
#include "main_window.h"
#include "result_label.h"
#include "window_behaviour.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <map>
#include <memory>

#include "window_scenarios.h"

// The window as a user drives it: clicks where the controls are drawn, keys, typing, in whatever
// locale the test runs.
using namespace Qt::StringLiterals;

struct QtDriver {
    std::unique_ptr<Frm_main> window;
    std::string decimal = QLocale::system().decimalPoint().toStdString();
    std::string group = QLocale::system().groupSeparator().toStdString();

    QWidget *find(const char *name) const { return window->findChild<QWidget *>(QString::fromUtf8(name)); }
    int frontTab() { return window->findChild<QTabBar *>()->currentIndex(); }

    // Shows a new window and clicks whatever is where the design draws the tab: four equal tabs
    // across the tab control, 20 pixels high.
    void open(int index)
    {
        window = std::make_unique<Frm_main>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        clickTab(index);
    }

    void clickTab(int index) const
    {
        QWidget *tabs = find("SSTab1");
        const QPoint at(tabs->width() * (2 * index + 1) / 8, 10);
        QWidget *target = tabs->childAt(at) ? tabs->childAt(at) : tabs;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(tabs, at));
    }

    void setText(const char *name, const std::string &text)
    {
        find(name)->setProperty("text", QString::fromStdString(text));
    }
    std::string text(const char *name) { return find(name)->property("text").toString().toStdString(); }

    // The message box is read from a timer that only its modal loop runs, and goes with the click.
    std::string click(const char *name)
    {
        QString seen;
        QTimer reader;
        reader.setSingleShot(true);
        QObject::connect(&reader, &QTimer::timeout, [&seen] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen = QStringList{box->windowTitle(), box->text(), box->buttons().constFirst()->text(),
                                   u"%1, %2"_s.arg(box->buttons().size()).arg(box->icon())}
                           .join(u'|');
                box->accept();
            }
        });
        reader.start(0);
        QTest::mouseClick(find(name), Qt::LeftButton);
        return seen.toStdString();
    }

    void press(const std::string &key)
    {
        static const std::map<std::string, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
            {"Tab", {Qt::Key_Tab, {}}},
            {"Shift+Tab", {Qt::Key_Backtab, Qt::ShiftModifier}},
            {"Right", {Qt::Key_Right, {}}},
            {"Enter", {Qt::Key_Return, {}}},
            {"Escape", {Qt::Key_Escape, {}}},
            {"Home", {Qt::Key_Home, {}}},
            {"End", {Qt::Key_End, {}}},
            {"Ctrl+Tab", {Qt::Key_Tab, Qt::ControlModifier}},
            {"Ctrl+Shift+Tab", {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier}},
            {"Ctrl+PageDown", {Qt::Key_PageDown, Qt::ControlModifier}},
            {"Ctrl+PageUp", {Qt::Key_PageUp, Qt::ControlModifier}},
        };
        const auto &[code, modifiers] = keys.at(key);
        QTest::keyClick(QApplication::focusWidget(), code, modifiers);
    }
    void focusOn(const char *name) { find(name)->setFocus(); }
    std::string focus()
    {
        QWidget *focus = QApplication::focusWidget();
        return qobject_cast<QTabBar *>(focus)     ? focus->parentWidget()->objectName().toStdString()
            : qobject_cast<QRadioButton *>(focus) ? "band"
                                                  : focus->objectName().toStdString();
    }
    int bandFlag() { return window->bandFlag(); }
};

class TestMainWindow : public QObject
{
    Q_OBJECT

    QtDriver m_driver;

    // Row by row, so that a failure names its row in full.
    static void verify(const window_scenarios::Outcome &outcome)
    {
        const QStringList seen = QString::fromStdString(outcome.seen).split(u'\n');
        const QStringList wanted = QString::fromStdString(outcome.wanted).split(u'\n');
        for (qsizetype row = 0; row < std::max(seen.size(), wanted.size()); ++row)
            QCOMPARE(seen.value(row), wanted.value(row));
    }

private slots:
    void init() { m_driver.open(0); }
    void cleanup() { m_driver.window.reset(); }

    // What every window does, as the user sees it.
    void computes() { verify(window_scenarios::computes(m_driver)); }
    void clicksChangeOnlyWhatTheyShould() { verify(window_scenarios::clicksChangeOnlyWhatTheyShould(m_driver)); }
    void tabKeyVisitsTheDesignedCycle() { verify(window_scenarios::tabKeyVisitsTheDesignedCycle(m_driver)); }
    void keysDoWhatTheRuleSays() { verify(window_scenarios::keysDoWhatTheRuleSays(m_driver)); }

    // Every control at its design place, relative to the tab control's outer corner or to its
    // parent, in its design font; results red and bold. A caption taller than its label sits on the
    // label's bottom edge.
    void controlsSitAtDesignPlacesInDesignFonts()
    {
        for (int index = 3; index >= 0; --index)
            m_driver.clickTab(index);
        QWidget *tabs = m_driver.find("SSTab1");
        for (const window_design::Control &control : window_design::kControls) {
            QWidget *widget = m_driver.find(control.name);
            const QWidget *origin = widget != tabs && tabs->isAncestorOf(widget) ? tabs : widget->parentWidget();
            const auto px = [](int twips) { return window_behaviour::pixels(twips, 96); };
            const window_design::FontStyle style = window_design::fontStyle(control.font);
            const QFont font = widget->font();
            QCOMPARE(std::tuple(control.name, QRect(widget->mapTo(origin, QPoint()), widget->size()), font.family(),
                                font.pointSizeF(), font.bold(),
                                widget->palette().color(QPalette::WindowText) == Qt::red),
                     std::tuple(control.name,
                                QRect(px(control.left), px(control.top), px(control.width), px(control.height)),
                                style.song ? u"Noto Serif CJK SC"_s : u"Noto Sans CJK SC"_s, style.pointSize,
                                style.bold, control.kind == window_design::Kind::Result));
        }
        QVERIFY(m_driver.find("Label3")->property("alignment").value<Qt::Alignment>() & Qt::AlignBottom);
        QCOMPARE(m_driver.window->minimumSize(), m_driver.window->maximumSize());
        QCOMPARE(QAccessible::queryAccessibleInterface(m_driver.window.get())->role(), QAccessible::Window);
    }

    // Drawn whole in the label's own face, smaller if need be, or cut with an ellipsis and whole in
    // the tooltip, which, asked for at the screen's right edge, lies wholly on the screen; the text
    // itself is always the whole result, which select all and copy take.
    void drawsAResultWholeOrVisiblyCut_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("whole");
        QTest::newRow("12 digits") << u"1013211870.99"_s << true;
        QTest::newRow("19 digits") << u"25330296774760998.25"_s << false;
        QTest::newRow("205 digits") << QString(203, u'8') + u".25"_s << false;
    }
    void drawsAResultWholeOrVisiblyCut()
    {
        QFETCH(QString, result);
        QFETCH(bool, whole);
        auto *label = m_driver.window->findChild<ResultLabel *>(u"Label10"_s);
        const QFont own = label->font();
        label->setResult(result);
        const QString drawn = label->drawnText();
        QCOMPARE(drawn == result                     ? u"whole"_s
                     : drawn.endsWith(QChar(0x2026)) ? u"cut"_s
                                                     : drawn,
                 whole ? u"whole"_s : u"cut"_s);
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(drawn) < label->width());
        QCOMPARE(label->toolTip(), label->font() == own ? QString() : result);
        const QRect screen = label->screen()->availableGeometry();
        QHelpEvent help(QEvent::ToolTip, {}, screen.topRight());
        QCoreApplication::sendEvent(label, &help);
        const QWidget *tip = nullptr;
        for (const QWidget *each : QApplication::topLevelWidgets())
            tip = each->inherits("QTipLabel") && each->isVisible() ? each : tip;
        if (!label->toolTip().isEmpty()) {
            QVERIFY2(tip, "the tooltip shown");
            QVERIFY2(screen.contains(tip->geometry()), "the tooltip on the screen");
            QCOMPARE(QToolTip::text().remove(u'\n'), result);
        }
        QCOMPARE(label->font().family(), own.family());
        QVERIFY(label->font().bold());
        QVERIFY(label->font().pointSizeF() >= 7);
        // Drawn in red, on the baseline of the label's own size.
        QCOMPARE(label->contentsMargins(),
                 QMargins(0, QFontMetrics(own).ascent() - QFontMetrics(label->font()).ascent(), 0, 0));
        const QImage image = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constBits());
        QVERIFY(std::any_of(pixels, pixels + image.width() * image.height(),
                            [](QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 100; }));
        QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), result);
    }

    // A paste longer than Qt's usual limit of an entry box is kept whole, so it is not read as
    // another number: forty thousand digits are beyond the double range.
    void keepsALongPasteWhole()
    {
        m_driver.open(0);
        QGuiApplication::clipboard()->setText(QString(40'000, u'9'));
        QWidget *box = m_driver.find("Text1");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->property("text").toString().size(), 40'000);
        m_driver.setText("Text2", "10");
        QCOMPARE(QString::fromStdString(m_driver.click("Command2")).section(u'|', 1, 1),
                 u"数值溢出，请检查输入的参数！"_s);
    }

    // A screen reader (a magnifier, a braille display's routing keys) finds each character of an
    // entry where the box draws it, in a text the box has scrolled: each character's left edge where
    // the caret stands before it, and the character found again at its centre.
    void findsEachCharacterOfAnEntryWhereItIsDrawn()
    {
        m_driver.open(0);
        m_driver.setText("Text1", "12345678901234567890.25");
        auto *box = qobject_cast<QLineEdit *>(m_driver.find("Text1"));
        QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(box)->textInterface();
        QList<QRect> drawn;
        for (int offset = 0; offset < text->characterCount(); ++offset)
            drawn << text->characterRect(offset);
        for (int offset = text->characterCount() - 1; offset >= 15; --offset) {
            QCOMPARE(text->offsetAtPoint(drawn[offset].center()), offset);
            box->setCursorPosition(offset);
            const int caret = box->mapToGlobal(box->inputMethodQuery(Qt::ImCursorRectangle).toRect().topLeft()).x();
            QVERIFY2(qAbs(drawn[offset].left() - caret) <= 1, qPrintable(u"offset %1"_s.arg(offset)));
        }
    }

    // Under a dark palette every text reads clearly, the results included.
    void readableUnderADarkPalette()
    {
        const QPalette light = QApplication::palette();
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(53, 53, 53));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        QApplication::setPalette(dark);
        m_driver.open(0);
        QApplication::setPalette(light);
        const auto rgb = [](const QColor &colour) {
            return window_design::Rgb{colour.red(), colour.green(), colour.blue()};
        };
        for (const window_design::Control &control : window_design::kControls) {
            const QPalette shown = m_driver.find(control.name)->palette();
            const double contrast = window_behaviour::contrast(rgb(shown.color(QPalette::WindowText)),
                                                               rgb(shown.color(QPalette::Window)));
            QVERIFY2(contrast >= 4.5, control.name);
        }
    }

    // The start-up's own setting up loads Qt's Chinese texts, which a result's own menu uses too.
    void contextMenusReadChinese()
    {
        setUpApplication(*qApp);
        QWidget *result = m_driver.find("Label5");
        m_driver.setText("Label5", "5.03");
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), result->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(result, &event);
        const auto actions = QApplication::activePopupWidget()->actions();
        QCOMPARE(actions[0]->text(), u"复制(&C)"_s);
        QVERIFY2(actions[0]->isEnabled(), "a result can always be copied");
        QCOMPARE(actions[1]->text(), u"全选"_s);
        actions.constLast()->trigger();
        QCOMPARE(result->property("selectedText").toString(), u"5.03"_s);
    }

    // The desktop finds the window's entry, icon and name by the application's desktop file.
    void namesItsDesktopEntry()
    {
        setUpApplication(*qApp);
        QCOMPARE(QGuiApplication::desktopFileName(), u"example.oztrabel.Lirevox"_s);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
