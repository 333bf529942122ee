// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "platform_choice.h"

QByteArray preferredPlatform(const QByteArray &userChoice, const QByteArray &display)
{
    if (!userChoice.isEmpty() || display.isEmpty())
        return {};
    return QByteArrayLiteral("xcb;wayland");
}
