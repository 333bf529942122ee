// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "application_setup.h"

#include "qt_translation.h"

#include <QApplication>

void setUpApplication(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("Lirevox"));
    QApplication::setOrganizationName(QStringLiteral("Oztrabel"));
    QApplication::setApplicationVersion(QStringLiteral(LIREVOX_DISPLAY_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.oztrabel.Lirevox"));
    installQtChineseTranslation(application);
}
