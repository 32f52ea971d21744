// threadwright-cli: the headless program over the core library.
#include "CliDelegate.h"
#include "CommandProcessor.h"
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>

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

// Whether the command paints: symbols and pictures are painted with fonts, which need a GUI
// application. The commands that only read and write files start without one, which spares
// them the platform plugin and the font set-up: a good part of a short run's time.
bool paints(int argc, char** argv)
{
    static const char* const kFileOnly[] = {"info", "save-as", "palettes", "symbols", "--help", "-h", "help", "--version"};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--data") == 0) {
            ++i;
            continue;
        }
        return std::none_of(std::begin(kFileOnly), std::end(kFileOnly),
            [&](const char* command) { return std::strcmp(argv[i], command) == 0; });
    }
    return false;
}

int main(int argc, char** argv)
{
    std::unique_ptr<QCoreApplication> app;
    if (paints(argc, argv)) {
        // It never shows a window, so it runs without a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Velwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Threadwright"));
    StdioDelegate delegate;
    CommandProcessor processor(delegate);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return processor.run(arguments);
}
