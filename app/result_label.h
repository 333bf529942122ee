// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

// A calculator's result. Its text is always the exact result, for copying and for screen
// readers; a result too wide for the label is drawn in a smaller size of the same face, and only
// below the smallest size that still reads clearly is it cut, visibly, with an ellipsis. Whenever
// it is not drawn at its own size, its whole text is in the tooltip, in lines that fit the screen.
// It can be selected with the mouse and copied, without becoming a Tab stop.
class ResultLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ResultLabel(QWidget *parent = nullptr);

    // Shows a result, or nothing for an empty text.
    void setResult(const QString &result);
    // Names the result for screen readers by its caption and the label showing its unit.
    void describe(const QString &caption, const QLabel *unit);
    // The caption, the result and its unit, as a screen reader says them.
    [[nodiscard]] QString spokenText() const;
    // The text as drawn: the whole result, or its start and an ellipsis.
    [[nodiscard]] QString drawnText() const { return m_drawn; }

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void fit();

    QFont m_ownFont;
    bool m_fitting = false;
    QString m_drawn;
    QString m_caption;
    const QLabel *m_unit = nullptr;
};
