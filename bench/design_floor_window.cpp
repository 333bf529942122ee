// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// The second floor: a bare Qt window showing what the calculator's first frame shows, the
// controls of the window, the band frame and the front tab at their places, in their faces and
// sizes, with the high band's units and a tab strip, and nothing behind them: no handlers, no
// key rule, no accessibility, no hidden tabs. What the calculator costs beyond it is its own.
#include "window_behaviour.h"
#include "window_design.h"

#include <span>

#include <QApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include <map>

using namespace window_design;

namespace {

QString face(bool song)
{
    for (std::string_view each : song ? std::span<const std::string_view>(kSongFaces) : kUiFaces)
        if (QFontDatabase::hasFamily(QUtf8StringView(each).toString()))
            return QUtf8StringView(each).toString();
    return {};
}

QFont fontOf(Font font)
{
    const FontStyle style = fontStyle(font);
    static const QString song = face(true);
    static const QString ui = face(false);
    QFont qfont(style.song ? song : ui, -1, style.bold ? QFont::Bold : QFont::Normal);
    qfont.setPointSizeF(style.pointSize);
    return qfont;
}

QRect placeOf(const Control &control, QPoint origin)
{
    const auto px = [](int twips) { return window_behaviour::pixels(twips, 96); };
    return {origin.x() + px(control.left), origin.y() + px(control.top), px(control.width), px(control.height)};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QString::fromUtf8(kTitle));
    window.setFont(fontOf(UiFont));
    window.setFixedSize(window_behaviour::pixels(kClientWidth, 96), window_behaviour::pixels(kClientHeight, 96));
    const window_behaviour::BandFlag flag = window_behaviour::bandFlagFor(true);
    std::map<Container, QPoint> origins;
    for (const Control &control : kControls) {
        if (!window_behaviour::inFirstFrame(control))
            continue;
        const QString caption = QUtf8StringView(window_behaviour::captionFor(control, flag)).toString();
        const QPoint origin = origins[control.container];
        const QRect place = placeOf(control, origin);
        QWidget *widget = nullptr;
        switch (control.kind) {
        case Frame:
            widget = new QGroupBox(caption, &window);
            origins[Frame1] = place.topLeft();
            break;
        case Option: {
            auto *option = new QRadioButton(caption, &window);
            option->setChecked(control.name == std::string_view(kSelectedAtStart));
            widget = option;
            break;
        }
        case Tabs: {
            auto *page = new QFrame(&window);
            page->setFrameStyle(QFrame::StyledPanel);
            page->setGeometry(place.adjusted(0, kTabStripHeightPixels, 0, 0));
            auto *strip = new QTabBar(&window);
            strip->setExpanding(true);
            for (const char *tab : kTabCaptions)
                strip->addTab(QString::fromUtf8(tab));
            strip->setGeometry(place.left(), place.top(), place.width(), strip->sizeHint().height());
            origins[Tab0] = place.topLeft();
            continue;
        }
        case Label:
        case Result:
            widget = new QLabel(caption, &window);
            break;
        case TextBox:
            widget = new QLineEdit(&window);
            break;
        case Button:
            widget = new QPushButton(caption, &window);
            break;
        }
        widget->setGeometry(place);
        if (control.font != UiFont)
            widget->setFont(fontOf(control.font));
    }
    window.show();
    return QApplication::exec();
}
