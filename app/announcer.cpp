// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "announcer.h"

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
    , m_notification(new QWidget(this))
{
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    m_notification->hide();
}

// Hidden and shown again, so that a screen reader hears it appear even when the line is the same.
void Announcer::announce(const QString &line)
{
    m_notification->hide();
    m_notification->setAccessibleName(line);
    m_notification->show();
}

bool Announcer::isNotification(const QWidget *widget)
{
    return qobject_cast<const Announcer *>(widget->parentWidget()) != nullptr;
}
