#include "main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lirevox"));
    QApplication::setOrganizationName(QStringLiteral("Oztrabel"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));

    Frm_main window;
    window.show();
    return QApplication::exec();
}
