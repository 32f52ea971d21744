// threadwright-cli: the headless program over the core library.
#include "CliDelegate.h"
#include "CommandProcessor.h"
#include <QGuiApplication>
#include <cstdio>

namespace {
class StdioDelegate : public CliDelegate
{
public:
    void out(const QString& text) override
    {
        std::fputs(text.toLocal8Bit().constData(), stdout);
    }
    void err(const QString& text) override
    {
        std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    }
};
} // namespace

int main(int argc, char** argv)
{
    // Symbols and pages are painted with fonts, which need a GUI application; it never shows a
    // window, so it runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setOrganizationName(QStringLiteral("Velwick"));
    QGuiApplication::setApplicationName(QStringLiteral("Threadwright"));
    StdioDelegate delegate;
    CommandProcessor processor(delegate);
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    return processor.run(arguments);
}
