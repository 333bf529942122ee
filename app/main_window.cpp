// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "main_window.h"

#include "accessible_factory.h"
#include "announcer.h"
#include "caption_frame.h"
#include "result_label.h"
#include "tab_control.h"
#include "window_behaviour.h"
#include "window_design.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QKeyEvent>
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

#include "lirevox.xpm"

namespace {

using namespace window_design;

// Qt scales for the screen itself, so the design is laid out at 96 dpi.
int pixels(int twips)
{
    return window_behaviour::pixels(twips, 96);
}

// The first of the faces this system has. Picking it from the font list, instead of handing
// Qt the whole list, spares a fontconfig alias and fallback search for every face missing.
template<std::size_t N>
QString firstInstalled(const std::array<std::string_view, N> &faces)
{
    static const QStringList installed = QFontDatabase::families();
    const auto found = std::ranges::find_if(
        faces, [&](std::string_view face) { return installed.contains(QUtf8StringView(face).toString()); });
    return QUtf8StringView(found == faces.end() ? faces.front() : *found).toString();
}

QFont fontOf(Font font)
{
    const FontStyle style = fontStyle(font);
    static const QString songFace = firstInstalled(kSongFaces);
    static const QString uiFace = firstInstalled(kUiFaces);
    QFont qfont(style.song ? songFace : uiFace, -1, style.bold ? QFont::Bold : QFont::Normal);
    qfont.setStyleHint(style.song ? QFont::Serif : QFont::SansSerif, QFont::PreferNoShaping);
    qfont.setPointSizeF(style.pointSize);
    return qfont;
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

window_behaviour::Key keyOf(int key)
{
    using window_behaviour::Key;
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_PageDown:
        return Key::PageDown;
    case Qt::Key_PageUp:
        return Key::PageUp;
    case Qt::Key_Home:
        return Key::Home;
    case Qt::Key_End:
        return Key::End;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    default:
        return Key::Other;
    }
}

// The design control a widget is, or lies in (the tab strip lies in SSTab1).
const Control *designOf(const QObject *widget)
{
    for (; widget; widget = widget->parent()) {
        const QByteArray name = widget->objectName().toUtf8();
        const auto *found = std::ranges::find(kControls, std::string_view(name.constData()), &Control::name);
        if (found != kControls.end())
            return found;
    }
    return nullptr;
}

lirevox::Separators localeSeparators()
{
    const QLocale locale = QLocale::system();
    return {.decimal = locale.decimalPoint().toStdString(), .group = locale.groupSeparator().toStdString()};
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
    setFont(fontOf(UiFont));
    setAttribute(Qt::WA_WindowPropagation);
    setFixedSize(pixels(kClientWidth), pixels(kClientHeight));
    // The frame is not known yet: its corner goes where the client area's would be centred,
    // and the window manager, adding the frame, moves the client area, which tells its size.
    move(screen()->availableGeometry().center() - rect().center());

    buildControls();
    m_announcer = new Announcer(this);
    connectHandlers();
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
    load();
}

void Frm_main::buildControls()
{
    std::map<Container, QWidget *> containers{{Window, this}};
    for (const Control &design : kControls) {
        QWidget *widget = createControl(design, containers.at(design.container));
        widget->setObjectName(QString::fromUtf8(design.name));
        widget->setGeometry(pixels(design.left), pixels(design.top), pixels(design.width), pixels(design.height));
        if (design.font != UiFont)
            widget->setFont(fontOf(design.font));
        // A caption shorter than its font's line keeps the whole text in view by sitting on its
        // bottom edge: faces with tall line gaps would otherwise lose their descenders.
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty()
            && window_behaviour::sitsOnBottom(label->height(), label->fontMetrics().height()))
            label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        if (design.kind == Frame)
            containers[Frame1] = widget;
        if (auto *tabs = qobject_cast<TabControl *>(widget)) {
            for (const Container page : {Tab0, Tab1, Tab2, Tab3})
                containers[page] = tabs->addPage(
                    QString::fromUtf8(kTabCaptions.at(static_cast<int>(page) - static_cast<int>(Tab0))));
            tabs->setCurrentIndex(kTabCaptions.size() - 1);
        }
    }
    const auto &stops = window_behaviour::tabStops();
    for (std::size_t i = 1; i < stops.size(); ++i)
        setTabOrder(control<QWidget>(stops[i - 1]->name), control<QWidget>(stops[i]->name));

    SSTab1 = control<TabControl>("SSTab1");
    Option3 = control<QRadioButton>("Option3");
    Option4 = control<QRadioButton>("Option4");

    // Red, unless the user's dark palette would make it hard to read.
    const auto rgb = [](const QColor &colour) { return Rgb{colour.red(), colour.green(), colour.blue()}; };
    const QColor background = palette().color(QPalette::Window);
    const QColor text = palette().color(QPalette::WindowText);
    const Rgb colour = window_behaviour::resultColour(background.lightness() < text.lightness(), rgb(background),
                                                      {rgb(palette().color(QPalette::Highlight)), rgb(text)});
    QPalette result;
    result.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    for (const CalculatorTab &tab : kCalculatorTabs)
        control<ResultLabel>(tab.result)->setPalette(result);

    for (const Described &described : kDescriptions) {
        auto *caption = control<QLabel>(described.caption);
        if (auto *result = control<ResultLabel>(described.control))
            result->describe(caption->text(), control<QLabel>(described.unit));
        else
            caption->setBuddy(control<QWidget>(described.control));
    }

    // The band group is one Tab stop, at the selected option.
    control<QRadioButton>(kSelectedAtStart)->setChecked(true);
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
    for (const CalculatorTab &tab : kCalculatorTabs)
        connect(control<QPushButton>(tab.cancel), &QPushButton::clicked, this, &Frm_main::Cancel_Click);
}

template<typename T>
T *Frm_main::control(const char *name) const
{
    return findChild<T *>(QString::fromUtf8(name));
}

void Frm_main::load()
{
    SSTab1->setCurrentIndex(kTabAtLoad);
    danwei();
}

void Frm_main::danwei()
{
    flag = window_behaviour::bandFlagFor(Option4->isChecked());
    for (const auto &unit : window_behaviour::unitCaptions(flag))
        control<QLabel>(unit.label)->setText(QString::fromUtf8(unit.caption));
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
    for (const CalculatorTab &tab : kCalculatorTabs)
        control<ResultLabel>(tab.result)->setResult({});
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

bool Frm_main::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        return onKey(watched, static_cast<const QKeyEvent &>(*event));
    return QWidget::eventFilter(watched, event);
}

// True when the key rule took the key; Qt handles the rest, the Tab key's focus chain among it.
bool Frm_main::onKey(QObject *focused, const QKeyEvent &key)
{
    using window_behaviour::KeyAction;
    const Control *control = designOf(focused);
    if (!control)
        return false;
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    const auto outcome
        = window_behaviour::keyOutcome({.key = keyOf(key.key()),
                                        .control = modifiers.testFlag(Qt::ControlModifier),
                                        .shift = modifiers.testFlag(Qt::ShiftModifier) || key.key() == Qt::Key_Backtab},
                                       control->kind, SSTab1->currentIndex(), window_behaviour::Host::Desktop);
    switch (outcome.action) {
    case KeyAction::Default:
    case KeyAction::NextStop:
    case KeyAction::PreviousStop:
        return false;
    case KeyAction::Nothing:
        return true;
    case KeyAction::PressButton:
        this->control<QPushButton>(control->name)->click();
        return true;
    case KeyAction::SelectTab: {
        QWidget *focus = QApplication::focusWidget();
        SSTab1->setCurrentIndex(outcome.tab);
        if (!focus || !focus->isVisible())
            SSTab1->setFocus();
        return true;
    }
    }
    return false;
}

void Frm_main::Command2_Click()
{
    compute(kCalculatorTabs[0]);
}

void Frm_main::Command1_Click()
{
    compute(kCalculatorTabs[1]);
}

void Frm_main::Command5_Click()
{
    compute(kCalculatorTabs[2]);
}

void Frm_main::compute(const CalculatorTab &tab)
{
    const auto entry
        = [this](const char *name) { return [box = control<QLineEdit>(name)] { return box->text().toStdString(); }; };
    const auto outcome
        = window_behaviour::compute(tab.calculator, entry(tab.upper), entry(tab.lower), flag, m_separators);
    if (outcome.message)
        showError(outcome.message);
    else
        showResult(*control<ResultLabel>(tab.result), QString::fromStdString(outcome.result));
}

// A screen reader hears each result as it comes, with its caption and unit, also when it is the
// one shown already.
void Frm_main::showResult(ResultLabel &label, const QString &result)
{
    label.setResult(result);
    m_announcer->announce(label.spokenText());
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
    refresh(kCalculatorTabs[0]);
}

void Frm_main::Command7_Click()
{
    refresh(kCalculatorTabs[1]);
}

void Frm_main::Command11_Click()
{
    refresh(kCalculatorTabs[2]);
}

void Frm_main::refresh(const CalculatorTab &tab)
{
    for (const char *name : tab.cleared) {
        if (auto *result = control<ResultLabel>(name))
            result->setResult({});
        else
            control<QLineEdit>(name)->clear();
    }
}

void Frm_main::Cancel_Click()
{
    QCoreApplication::exit(0);
}
