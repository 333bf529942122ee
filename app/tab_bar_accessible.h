// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QTabBar;

// How a screen reader sees the tab strip: a page tab list of one page tab per tab, the front one
// selected; pressing a page tab brings it to the front.
class TabBarAccessible : public QAccessibleWidget
{
public:
    explicit TabBarAccessible(QTabBar *tabBar);
    ~TabBarAccessible() override;
    TabBarAccessible(const TabBarAccessible &) = delete;
    TabBarAccessible &operator=(const TabBarAccessible &) = delete;

    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface *child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override;
    [[nodiscard]] QAccessibleInterface *focusChild() const override;
    [[nodiscard]] QString text(QAccessible::Text kind) const override;

private:
    [[nodiscard]] QTabBar *tabBar() const;

    mutable QHash<int, QAccessible::Id> m_tabs;
};
