#include "main_window.h"
#include "platform_choice.h"
#include "qt_translation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const QByteArray platform = preferredPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"));
        !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lirevox"));
    QApplication::setOrganizationName(QStringLiteral("Oztrabel"));
    QApplication::setApplicationVersion(QStringLiteral(LIREVOX_DISPLAY_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.oztrabel.Lirevox"));
    installQtChineseTranslation(app);

    Frm_main window;
    window.show();
    return QApplication::exec();
}
