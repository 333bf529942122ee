// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QWidget>

class QTabBar;

// A tab control whose pages share its own coordinates, tab strip included, so that a control
// is placed on a page exactly where the design puts it, before the control is ever shown.
// The tabs share the width equally in one row; only the front page can be seen or focused.
class TabControl : public QWidget
{
    Q_OBJECT

public:
    explicit TabControl(int stripHeight, QWidget *parent = nullptr);

    // Adds a tab with this caption and returns its page, the parent for that tab's controls.
    QWidget *addPage(const QString &caption);
    void setCurrentIndex(int index);
    [[nodiscard]] int currentIndex() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showPage(int index);

    int m_stripHeight = 0;
    QTabBar *m_tabBar = nullptr;
    QList<QWidget *> m_pages;
};
