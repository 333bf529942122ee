// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "result_label.h"

#include "window_behaviour.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

ResultLabel::ResultLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ResultLabel::setResult(const QString &result)
{
    setText(result);
    fit();
}

void ResultLabel::describe(const QString &caption, const QLabel *unit)
{
    m_caption = caption;
    m_unit = unit;
}

QString ResultLabel::spokenText() const
{
    return QString::fromStdString(window_behaviour::spokenResult(
        m_caption.toStdString(), text().toStdString(), m_unit ? m_unit->text().toStdString() : std::string()));
}

// The whole result in lines as wide as the screen the tooltip opens on allows, so that no end of it
// runs off that screen.
bool ResultLabel::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip || toolTip().isEmpty())
        return QLabel::event(event);
    const QPoint at = static_cast<QHelpEvent *>(event)->globalPos();
    const QScreen *shownOn = QGuiApplication::screenAt(at) ? QGuiApplication::screenAt(at) : screen();
    // The tooltip's margins, its indent and a character's width for the overhang of a line's ends.
    const QFontMetrics metrics(QToolTip::font());
    const int frame = 1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this);
    const int room = window_behaviour::tooltipRoom(shownOn->availableGeometry().width(), frame + 1, metrics.maxWidth());
    QStringList lines;
    for (const std::string &line : window_behaviour::tooltipLines(toolTip().toStdString(), [&](std::string_view part) {
             return metrics.horizontalAdvance(QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size())))
                 <= room;
         }))
        lines << QString::fromStdString(line);
    QToolTip::showText(at, lines.join(u'\n'), this);
    return true;
}

void ResultLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_fitting) {
        m_ownFont = font();
        fit();
    }
}

// A smaller size sits on the same baseline as the label's own, so that it still lines up with its
// caption and unit. An empty label measures nothing, so that no face is loaded for it before there
// is a result to show.
void ResultLabel::fit()
{
    const int room = window_behaviour::resultRoom(contentsRect().width());
    QFont fitted = m_ownFont;
    if (!text().isEmpty())
        fitted.setPointSizeF(window_behaviour::fitResult(m_ownFont.pointSizeF(), [&](double size) {
                                 QFont font = m_ownFont;
                                 font.setPointSizeF(size);
                                 return QFontMetrics(font).horizontalAdvance(text()) <= room;
                             }).pointSize);
    m_fitting = true;
    setFont(fitted);
    m_fitting = false;
    const bool own = fitted == m_ownFont;
    setContentsMargins(0, own ? 0 : QFontMetrics(m_ownFont).ascent() - QFontMetrics(fitted).ascent(), 0, 0);
    m_drawn = text().isEmpty() ? QString() : QFontMetrics(fitted).elidedText(text(), Qt::ElideRight, room);
    setToolTip(own ? QString() : text());
}

// Copy and select all, in Qt's own words (Chinese with Qt's Chinese texts loaded). With nothing
// selected, copy takes the whole result.
void ResultLabel::contextMenuEvent(QContextMenuEvent *event)
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"), QKeySequence::Copy, this,
                    [this] { QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text()); })
        ->setEnabled(!text().isEmpty());
    menu->addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"), QKeySequence::SelectAll, this,
                    [this] { setSelection(0, static_cast<int>(text().size())); });
    menu->popup(event->globalPos());
}

void ResultLabel::paintEvent(QPaintEvent *event)
{
    if (m_drawn == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(), isEnabled(), m_drawn,
                          foregroundRole());
}
