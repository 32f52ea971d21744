#include "CommandProcessor.h"
#include "CliCommands.h"
#include "CliDelegate.h"
#include "shell/Paths.h"
#include <QFileInfo>

QString CommandProcessor::helpText() const
{
    QString text = QStringLiteral(
        "Usage: threadwright-cli [--data DIR] COMMAND [OPTIONS]\n"
        "\n"
        "Commands:\n");
    for (const auto& command : allCliCommands())
        text += QStringLiteral("  %1 %2\n").arg(command->name(), command->synopsis());
    text += QStringLiteral(
        "  --help     show this text\n"
        "  --version  show the program version\n"
        "\n"
        "Every command takes --data DIR, the shipped data folder (palettes, symbol sets, fonts).\n"
        "The settings file is read from THREADWRIGHT_CONFIG_DIR when that is set.\n"
        "Exit codes: 0 success, 1 the operation failed, 2 wrong usage.\n");
    return text;
}

int CommandProcessor::usageError(const QString& message)
{
    m_delegate.err(QStringLiteral("threadwright-cli: %1 (see threadwright-cli --help)").arg(message));
    return Usage;
}

int CommandProcessor::run(const QStringList& arguments)
{
    QStringList args = arguments;
    const qsizetype data = args.indexOf(QStringLiteral("--data"));
    if (data >= 0) {
        if (data + 1 >= args.size())
            return usageError(QStringLiteral("--data needs a folder"));
        const QString folder = args[data + 1];
        if (!QFileInfo(folder).isDir())
            return usageError(QStringLiteral("--data: the folder %1 does not exist").arg(folder));
        if (!Paths::holdsCatalogues(folder))
            return usageError(QStringLiteral("--data: the folder %1 holds no palettes (palettes/*.ctb) "
                                             "and no symbol sets (characters/*.chr)").arg(folder));
        Paths::setDataFolder(folder);
        args.remove(data, 2);
    }
    if (args.isEmpty())
        return usageError(QStringLiteral("no command given"));
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        m_delegate.out(helpText());
        return Success;
    }
    if (command == QLatin1String("--version")) {
        m_delegate.out(QStringLiteral("threadwright-cli " THREADWRIGHT_VERSION "\n"));
        return Success;
    }
    for (const auto& c : allCliCommands()) {
        if (c->name() == command)
            return c->run(args, m_delegate);
    }
    return usageError(QStringLiteral("unknown command '%1'").arg(command));
}
