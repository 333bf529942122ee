// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

// Speaks a line through the screen reader, whatever has the focus, once each time it is given,
// even when it is the same line again: a new result, which appears in a label the focus never
// reaches. Screen readers drop a label's changes, but they speak a notification as it appears,
// and one in a status bar they speak as it stands. So this is an empty status bar, taking no room
// and no clicks, holding one notification that is shown anew with each line.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &line);
    // Whether a widget is the notification an announcer shows.
    [[nodiscard]] static bool isNotification(const QWidget *widget);

private:
    QWidget *m_notification = nullptr;
};
