// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "main_window.h"

#include "accessible_factory.h"
#include "caption_frame.h"
#include "result_label.h"
#include "tab_control.h"
#include "window_design.h"

#include "calc_error.h"
#include "entry_check.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <limits>
#include <map>
#include <vector>

#include "lirevox.xpm"

namespace {

using namespace window_design;

int pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// The first of the faces this system has. Picking it from the font list, instead of handing
// Qt the whole list, spares a fontconfig alias and fallback search for every face missing.
QString firstInstalled(const QStringList &faces)
{
    static const QStringList installed = QFontDatabase::families();
    const auto found = std::ranges::find_if(faces, [&](const QString &face) { return installed.contains(face); });
    return found == faces.end() ? faces.first() : *found;
}

// Song (宋体) where the system has it, otherwise an installed Ming/Song-style CJK serif face.
QFont songFont(qreal pointSize, QFont::Weight weight)
{
    static const QString face
        = firstInstalled({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                          QStringLiteral("AR PL UMing CN"), QStringLiteral("Source Han Serif SC")});
    QFont font(face, -1, weight);
    font.setStyleHint(QFont::Serif, QFont::PreferNoShaping);
    font.setPointSizeF(pointSize);
    return font;
}

// The window's own font: a Simplified Chinese UI face of about 9 points, whose full-width
// characters are 12 pixels wide at 96 dpi, as the design's widths expect.
QFont windowFont()
{
    QFont font(firstInstalled({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                               QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Microsoft YaHei"),
                               QStringLiteral("PingFang SC")}));
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    font.setPointSizeF(9);
    return font;
}

QFont fontOf(Font font)
{
    switch (font) {
    case Song:
        return songFont(10.5, QFont::Normal);
    case SongBold:
        return songFont(10.5, QFont::Bold);
    case SongLarge:
        return songFont(12, QFont::Normal);
    case UiFont:
        break;
    }
    return {};
}

QWidget *createControl(const Control &design, QWidget *parent)
{
    const QString caption = QString::fromUtf8(design.caption);
    switch (design.kind) {
    case Frame:
        return new CaptionFrame(caption, parent);
    case Option:
        return new QRadioButton(caption, parent);
    case Tabs:
        return new TabControl(kTabStripHeightPixels, parent);
    case Label: {
        auto *label = new QLabel(caption, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case Result:
        return new ResultLabel(parent);
    case TextBox: {
        auto *box = new QLineEdit(caption, parent);
        box->setMaxLength(std::numeric_limits<int>::max());
        return box;
    }
    case Button: {
        auto *button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        return button;
    }
    }
    return nullptr;
}

lirevox::Separators localeSeparators()
{
    const QLocale locale = QLocale::system();
    return {.decimal = locale.decimalPoint().toStdString(), .group = locale.groupSeparator().toStdString()};
}

const char *promptFor(lirevox::EntryProblem problem)
{
    return problem == lirevox::EntryProblem::Blank ? kBlankEntry : kNotNumeric;
}

const char *promptFor(lirevox::CalcFault fault)
{
    switch (fault) {
    case lirevox::CalcFault::DivisionByZero:
        return kDivisionByZero;
    case lirevox::CalcFault::Overflow:
        return kOverflow;
    case lirevox::CalcFault::Invalid:
        break;
    }
    return kInvalidOperation;
}

} // namespace

Frm_main::Frm_main(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    installAccessibleFactory();
    setObjectName(QStringLiteral("Frm_main"));
    m_separators = localeSeparators();
    setWindowTitle(QString::fromUtf8(kTitle));
    setWindowIcon(QIcon(QPixmap(lirevox_xpm)));
    setFont(windowFont());
    setAttribute(Qt::WA_WindowPropagation);
    setFixedSize(pixels(kClientWidth), pixels(kClientHeight));
    // The frame is not known yet: its corner goes where the client area's would be centred,
    // and the window manager, adding the frame, moves the client area, which tells its size.
    move(screen()->availableGeometry().center() - rect().center());

    buildControls();
    connectHandlers();
    load();
}

void Frm_main::buildControls()
{
    std::map<Container, QWidget *> containers{{Window, this}};
    std::vector<std::pair<int, QWidget *>> focusChain;
    for (const Control &design : kControls) {
        QWidget *widget = createControl(design, containers.at(design.container));
        widget->setObjectName(QString::fromUtf8(design.name));
        widget->setGeometry(pixels(design.left), pixels(design.top), pixels(design.width), pixels(design.height));
        if (design.font != UiFont)
            widget->setFont(fontOf(design.font));
        // A caption shorter than its font's line keeps the whole text in view by sitting on its
        // bottom edge: faces with tall line gaps would otherwise lose their descenders.
        if (auto *label = qobject_cast<QLabel *>(widget);
            label && !label->text().isEmpty() && label->height() < label->fontMetrics().height())
            label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        if ((widget->focusPolicy() & Qt::TabFocus) != 0)
            focusChain.emplace_back(design.tabIndex, widget);
        if (design.kind == Frame)
            containers[Frame1] = widget;
        if (auto *tabs = qobject_cast<TabControl *>(widget)) {
            for (const Container page : {Tab0, Tab1, Tab2, Tab3})
                containers[page] = tabs->addPage(
                    QString::fromUtf8(kTabCaptions.at(static_cast<int>(page) - static_cast<int>(Tab0))));
            tabs->setCurrentIndex(kTabCaptions.size() - 1);
        }
    }
    std::ranges::sort(focusChain);
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        setTabOrder(focusChain[i - 1].second, focusChain[i].second);

    SSTab1 = control<TabControl>("SSTab1");
    Option3 = control<QRadioButton>("Option3");
    Option4 = control<QRadioButton>("Option4");
    Text1 = control<QLineEdit>("Text1");
    Text2 = control<QLineEdit>("Text2");
    Text3 = control<QLineEdit>("Text3");
    Text4 = control<QLineEdit>("Text4");
    Text5 = control<QLineEdit>("Text5");
    Text6 = control<QLineEdit>("Text6");
    Label4 = control<QLabel>("Label4");
    Label5 = control<ResultLabel>("Label5");
    Label6 = control<QLabel>("Label6");
    Label9 = control<QLabel>("Label9");
    Label10 = control<ResultLabel>("Label10");
    Label11 = control<QLabel>("Label11");
    Label18 = control<QLabel>("Label18");
    Label19 = control<ResultLabel>("Label19");
    Label20 = control<QLabel>("Label20");

    QPalette red;
    red.setColor(QPalette::WindowText, Qt::red);
    for (QLabel *result : {Label5, Label10, Label19})
        result->setPalette(red);

    for (const Described &described : kDescriptions) {
        auto *caption = control<QLabel>(described.caption);
        if (auto *result = control<ResultLabel>(described.control))
            result->describe(caption->text().remove(QLatin1Char('=')), control<QLabel>(described.unit));
        else
            caption->setBuddy(control<QWidget>(described.control));
    }

    // The band group is one Tab stop, at the selected option.
    Option4->setChecked(true);
    Option3->setFocusPolicy(Qt::ClickFocus);
    SSTab1->setFocus();
}

void Frm_main::connectHandlers()
{
    // Toggled, not clicked: the keyboard and screen readers select an option without a click.
    connect(Option3, &QRadioButton::toggled, this, &Frm_main::Option_Toggled);
    connect(Option4, &QRadioButton::toggled, this, &Frm_main::Option_Toggled);
    connect(control<QPushButton>("Command2"), &QPushButton::clicked, this, &Frm_main::Command2_Click);
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &Frm_main::Command1_Click);
    connect(control<QPushButton>("Command5"), &QPushButton::clicked, this, &Frm_main::Command5_Click);
    connect(control<QPushButton>("Command6"), &QPushButton::clicked, this, &Frm_main::Command6_Click);
    connect(control<QPushButton>("Command7"), &QPushButton::clicked, this, &Frm_main::Command7_Click);
    connect(control<QPushButton>("Command11"), &QPushButton::clicked, this, &Frm_main::Command11_Click);
    for (const char *cancel : {"Command3", "Command10", "Command4"})
        connect(control<QPushButton>(cancel), &QPushButton::clicked, this, &Frm_main::Cancel_Click);
}

template<typename T>
T *Frm_main::control(const char *name) const
{
    return findChild<T *>(QString::fromUtf8(name));
}

void Frm_main::load()
{
    SSTab1->setCurrentIndex(0);
    danwei();
}

void Frm_main::danwei()
{
    const bool high = Option4->isChecked();
    flag = high ? 2 : 1;
    const QString henry = QString::fromUtf8(high ? kMicrohenry : kMillihenry);
    const QString hertz = QString::fromUtf8(high ? kMegahertz : kKilohertz);
    Label4->setText(henry);
    Label6->setText(hertz);
    Label9->setText(hertz);
    Label11->setText(henry);
    Label20->setText(hertz);
    Label18->setText(henry);
    describeUnits();
}

// Entry boxes tell screen readers their unit, which follows the band.
void Frm_main::describeUnits()
{
    for (const Described &described : kDescriptions)
        if (auto *box = control<QLineEdit>(described.control))
            box->setAccessibleDescription(control<QLabel>(described.unit)->text());
}

// A result is only ever shown in the units it was computed in.
void Frm_main::Option_Toggled(bool selected)
{
    if (!selected)
        return;
    danwei();
    for (ResultLabel *result : {Label5, Label10, Label19})
        result->setResult({});
}

// The first move after the window manager has framed the window is the first moment its frame is
// known: the whole window is centred then, once.
void Frm_main::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (!m_frameCentred && frameGeometry() != geometry()) {
        m_frameCentred = true;
        centreOnScreen();
    }
}

// Moves the client area by the frame's offset rather than moving the frame: once the window is
// mapped, a frame position handed to Qt reaches the window manager as the client's.
void Frm_main::centreOnScreen()
{
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    setGeometry(geometry().translated(frame.topLeft() - frameGeometry().topLeft()));
}

void Frm_main::Command2_Click()
{
    compute(Text1, Text2, Label5, &lirevox::frequency);
}

void Frm_main::Command1_Click()
{
    compute(Text4, Text3, Label10, &lirevox::capacitance);
}

void Frm_main::Command5_Click()
{
    compute(Text5, Text6, Label19, &lirevox::inductance);
}

// Checks the entries, then shows the result; a wrong entry or a failing step shows a message and
// leaves the entries and the last result as they were.
void Frm_main::compute(const QLineEdit *upper, const QLineEdit *lower, ResultLabel *result, Calculator calculator)
{
    try {
        const std::string upperText = upper->text().toStdString();
        const std::string lowerText = lower->text().toStdString();
        if (const auto problem = lirevox::checkEntries(upperText, lowerText, m_separators);
            problem != lirevox::EntryProblem::None) {
            showError(promptFor(problem));
            return;
        }
        const lirevox::Band band = flag == 2 ? lirevox::Band::High : lirevox::Band::Low;
        const double value = calculator(upperText, lowerText, band, m_separators);
        result->setResult(QString::fromStdString(lirevox::formatResult(value, m_separators)));
    } catch (const lirevox::CalcError &error) {
        showError(promptFor(error.fault()));
    } catch (const std::exception &) {
        // An entry too large to hold twice, say: the program goes on all the same.
        showError(kCannotCompute);
    }
}

void Frm_main::showError(const char *prompt)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kErrorTitle), QString::fromUtf8(prompt), QMessageBox::Ok,
                    this);
    QAbstractButton *ok = box.button(QMessageBox::Ok);
    ok->setText(QString::fromUtf8(kErrorButton));
    ok->setIcon({});
    box.exec();
}

void Frm_main::Command6_Click()
{
    Text1->clear();
    Text2->clear();
    Label5->setResult({});
}

void Frm_main::Command7_Click()
{
    Text3->clear();
    Text4->clear();
    Label10->setResult({});
}

void Frm_main::Command11_Click()
{
    Text5->clear();
    Text6->clear();
    Label19->setResult({});
}

void Frm_main::Cancel_Click()
{
    QCoreApplication::exit(0);
}
