// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "application_setup.h"
#include "main_window.h"
#include "platform_choice.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const QByteArray platform = preferredPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"));
        !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);

    QApplication application(argc, argv);
    setUpApplication(application);
    Frm_main window;
    window.show();
    return QApplication::exec();
}
