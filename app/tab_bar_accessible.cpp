// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "tab_bar_accessible.h"

#include <QPointer>
#include <QTabBar>

namespace {

class PageTab : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    PageTab(QTabBar *tabBar, int index)
        : m_tabBar(tabBar)
        , m_index(index)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    [[nodiscard]] bool isValid() const override { return m_tabBar && m_index < m_tabBar->count(); }
    [[nodiscard]] QObject *object() const override { return nullptr; }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::PageTab; }
    [[nodiscard]] QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_tabBar.data());
    }
    [[nodiscard]] QAccessibleInterface *child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface *childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface * /*child*/) const override { return -1; }
    void setText(QAccessible::Text /*kind*/, const QString & /*text*/) override {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? m_tabBar->tabText(m_index) : QString();
    }

    [[nodiscard]] QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = m_tabBar->tabRect(m_index);
        return {m_tabBar->mapToGlobal(tab.topLeft()), tab.size()};
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        const bool front = m_index == m_tabBar->currentIndex();
        state.invisible = !m_tabBar->isVisible();
        state.focusable = true;
        state.selectable = true;
        state.selected = front;
        state.focused = front && m_tabBar->hasFocus();
        return state;
    }

    [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }
    [[nodiscard]] QStringList keyBindingsForAction(const QString & /*name*/) const override { return {}; }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && isValid())
            m_tabBar->setCurrentIndex(m_index);
    }

private:
    QPointer<QTabBar> m_tabBar;
    int m_index = 0;
};

} // namespace

TabBarAccessible::TabBarAccessible(QTabBar *tabBar)
    : QAccessibleWidget(tabBar, QAccessible::PageTabList)
{}

TabBarAccessible::~TabBarAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_tabs))
        QAccessible::deleteAccessibleInterface(id);
}

QTabBar *TabBarAccessible::tabBar() const
{
    return static_cast<QTabBar *>(widget());
}

int TabBarAccessible::childCount() const
{
    return tabBar()->count();
}

// Each page tab keeps one interface for the tab bar's life, as screen readers hold on to it.
QAccessibleInterface *TabBarAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto found = m_tabs.constFind(index); found != m_tabs.cend())
        return QAccessible::accessibleInterface(*found);
    auto *tab = new PageTab(tabBar(), index);
    m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
    return tab;
}

int TabBarAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (auto tab = m_tabs.cbegin(); tab != m_tabs.cend(); ++tab)
        if (QAccessible::accessibleInterface(tab.value()) == child)
            return tab.key();
    return -1;
}

QAccessibleInterface *TabBarAccessible::focusChild() const
{
    return tabBar()->hasFocus() ? child(tabBar()->currentIndex()) : nullptr;
}

QString TabBarAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name)
        return tabBar()->tabText(tabBar()->currentIndex());
    return QAccessibleWidget::text(kind);
}
