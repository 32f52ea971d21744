// Threadwright, the desktop program.
#include "shell/forms/TFMain.h"
#include <QApplication>
#include <QLocale>

int main(int argc, char** argv)
{
    // Desktops match a window to its menu entry by one id: Wayland by the desktop file name, X11
    // by the instance part of WM_CLASS, which the xcb platform reads from RESOURCE_NAME when it
    // makes the first window. A name the user gave is kept.
    const bool nameWindowClass = qEnvironmentVariableIsEmpty("RESOURCE_NAME");
    if (nameWindowClass)
        qputenv("RESOURCE_NAME", THREADWRIGHT_APP_ID);
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(icons);
    QApplication::setOrganizationName(QStringLiteral("Velwick"));
    QApplication::setApplicationName(QStringLiteral("Threadwright"));
    QApplication::setApplicationDisplayName(QStringLiteral("Threadwright"));
    QApplication::setDesktopFileName(QStringLiteral(THREADWRIGHT_APP_ID));
    // Numbers are written with a full stop as decimal separator everywhere.
    QLocale::setDefault(QLocale::c());
    const QStringList arguments = QApplication::arguments();
    TFMain window(arguments.size() > 1 ? arguments.at(1) : QString());
    window.show();
    // Programs started from here (a browser, a file manager) must not take the id as their own.
    if (nameWindowClass)
        qunsetenv("RESOURCE_NAME");
    return app.exec();
}
