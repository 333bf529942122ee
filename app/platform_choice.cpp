#include "platform_choice.h"

QByteArray preferredPlatform(const QByteArray &userChoice, const QByteArray &display)
{
    if (!userChoice.isEmpty() || display.isEmpty())
        return {};
    return QByteArrayLiteral("xcb;wayland");
}
