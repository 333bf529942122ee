// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "tab_control.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace {

class EqualTabBar : public QTabBar
{
public:
    EqualTabBar(int height, QWidget *parent)
        : QTabBar(parent)
        , m_height(height)
    {
        setDrawBase(false);
        setExpanding(false);
        setUsesScrollButtons(false);
        setElideMode(Qt::ElideNone);
    }

protected:
    [[nodiscard]] QSize tabSizeHint(int index) const override
    {
        const int total = width();
        return {total * (index + 1) / count() - total * index / count(), m_height};
    }

    [[nodiscard]] QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

private:
    int m_height = 0;
};

} // namespace

TabControl::TabControl(int stripHeight, QWidget *parent)
    : QWidget(parent)
    , m_stripHeight(stripHeight)
    , m_tabBar(new EqualTabBar(stripHeight, this))
{
    setFocusPolicy(Qt::TabFocus);
    setFocusProxy(m_tabBar);
    connect(m_tabBar, &QTabBar::currentChanged, this, &TabControl::showPage);
}

QWidget *TabControl::addPage(const QString &caption)
{
    auto *page = new QWidget(this);
    page->setGeometry(rect());
    m_pages.append(page);
    m_tabBar->addTab(caption);
    showPage(m_tabBar->currentIndex());
    m_tabBar->raise();
    return page;
}

void TabControl::setCurrentIndex(int index)
{
    m_tabBar->setCurrentIndex(index);
}

int TabControl::currentIndex() const
{
    return m_tabBar->currentIndex();
}

void TabControl::showPage(int index)
{
    for (qsizetype i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(i == index);
}

void TabControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_tabBar->setGeometry(0, 0, width(), m_stripHeight);
    for (QWidget *page : std::as_const(m_pages))
        page->setGeometry(rect());
}

void TabControl::paintEvent(QPaintEvent * /*event*/)
{
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    option.tabBarSize = m_tabBar->size();
    option.tabBarRect = m_tabBar->geometry();
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    option.rect = rect().adjusted(0, m_stripHeight - overlap, 0, 0);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
}
