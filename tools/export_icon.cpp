// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// Writes the program's XPM icon, the one source of its picture, as the PNG the desktop's icon
// theme wants and the ICO a Windows build embeds.
// usage: export_icon ICON.xpm OUT.png OUT.ico
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ICON.xpm OUT.png OUT.ico\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "minimal");
    QGuiApplication application(argc, argv);
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[2]), "PNG")
        || !icon.save(QString::fromLocal8Bit(argv[3]), "ICO")) {
        std::fprintf(stderr, "export_icon: cannot convert %s\n", argv[1]);
        return 1;
    }
    return 0;
}
