// Threadwright, the desktop program.
#include "shell/forms/TFMain.h"
#include <QApplication>
#include <QLocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(icons);
    QApplication::setOrganizationName(QStringLiteral("Velwick"));
    QApplication::setApplicationName(QStringLiteral("Threadwright"));
    QApplication::setApplicationDisplayName(QStringLiteral("Threadwright"));
    QApplication::setDesktopFileName(QStringLiteral("threadwright"));
    // Numbers are written with a full stop as decimal separator everywhere.
    QLocale::setDefault(QLocale::c());
    const QStringList arguments = QApplication::arguments();
    TFMain window(arguments.size() > 1 ? arguments.at(1) : QString());
    window.show();
    return app.exec();
}
