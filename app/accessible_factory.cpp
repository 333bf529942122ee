// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "accessible_factory.h"

#include "announcer.h"
#include "entry_accessible.h"
#include "result_accessible.h"
#include "result_label.h"
#include "tab_bar_accessible.h"
#include "tab_control.h"

#include <QLineEdit>
#include <QTabBar>

namespace {

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("Frm_main"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (qobject_cast<Announcer *>(widget))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (Announcer::isNotification(widget))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return new EntryAccessible(box);
    if (auto *result = qobject_cast<ResultLabel *>(widget))
        return new ResultAccessible(result);
    if (auto *tabBar = qobject_cast<QTabBar *>(widget); tabBar && qobject_cast<TabControl *>(tabBar->parent()))
        return new TabBarAccessible(tabBar);
    return nullptr;
}

} // namespace

void installAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(accessibleFor), true);
    Q_UNUSED(installed);
}
