#include "CheckUpdatesCommand.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include "CommandProcessor.h"
#include "net/UpdateFetcher.h"
#include "shell/Paths.h"
#include "shell/SettingsStore.h"
#include "shell/UpdateCheck.h"
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
struct Fetched
{
    bool ok = false;
    QByteArray body;
    QString reason;
};

// The fetcher never blocks, so the command waits for it in an event loop of its own.
Fetched fetchList(const QUrl& url)
{
    UpdateFetcher fetcher;
    QEventLoop loop;
    Fetched result;
    QObject::connect(&fetcher, &UpdateFetcher::succeeded, &loop, [&](const QByteArray& body) {
        result = {true, body, QString()};
        loop.quit();
    });
    QObject::connect(&fetcher, &UpdateFetcher::failed, &loop, [&](const QString& reason) {
        result = {false, QByteArray(), reason};
        loop.quit();
    });
    fetcher.fetch(url, UpdateFetcher::kListBytes);
    loop.exec();
    return result;
}

std::optional<TVersionInfo> installedVersion(const CliArguments& args, QString* error, bool* usage)
{
    if (args.has(QStringLiteral("--installed"))) {
        const std::optional<TVersionInfo> given = UpdateCheck::parseVersion(args.value(QStringLiteral("--installed")));
        if (!given) {
            *usage = true;
            *error = QStringLiteral("--installed needs X.Y.Z, three whole numbers from 0 to %1").arg(UpdateCheck::kMaxVersionNumber);
        }
        return given;
    }
    Status status;
    const auto installed = UpdateCheck::loadInstalled(Paths::dataFolder() + QStringLiteral("CurrentVersion.xml"), &status);
    if (!installed) {
        *error = QStringLiteral("the installed version could not be read: %1").arg(status.text());
        return std::nullopt;
    }
    return installed->program;
}

QString serverAddress(const CliArguments& args)
{
    if (args.has(QStringLiteral("--url")))
        return args.value(QStringLiteral("--url")).trimmed();
    SettingsStore store(Paths::settingsFile());
    return UpdateCheck::serverListAddress(store);
}

void report(const TVersionInfo& installed, const std::optional<TVersionInfo>& offer, bool json, CliDelegate& delegate)
{
    if (json) {
        const QJsonObject object{
            {QStringLiteral("status"), offer ? QStringLiteral("update") : QStringLiteral("none")},
            {QStringLiteral("installed"), installed.version()},
            {QStringLiteral("available"), offer ? offer->version() : QString()},
            {QStringLiteral("url"), offer ? offer->URL : QString()},
            {QStringLiteral("filename"), offer ? offer->Filename : QString()},
        };
        delegate.out(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)));
    } else if (offer) {
        delegate.out(QStringLiteral("Threadwright %1 is available (installed %2): %3 %4\n")
                         .arg(offer->version(), installed.version(), offer->Filename, offer->URL));
    } else {
        delegate.out(QStringLiteral("No newer release than the installed %1.\n").arg(installed.version()));
    }
}
} // namespace

QString CheckUpdatesCommand::synopsis() const
{
    return QStringLiteral("[--url URL] [--installed X.Y.Z] [--json]  ask the update server for a newer release");
}

int CheckUpdatesCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    const auto fail = [&](const QString& message, int code) {
        const QString hint = code == CommandProcessor::Usage ? QStringLiteral(" (see threadwright-cli --help)") : QString();
        delegate.err(QStringLiteral("threadwright-cli %1: %2%3").arg(name(), message, hint));
        return code;
    };
    QString error;
    const std::optional<CliArguments> args = CliArguments::parse(
        arguments, {QStringLiteral("--url"), QStringLiteral("--installed")}, {QStringLiteral("--json")}, &error);
    if (args && !args->positional().isEmpty())
        error = QStringLiteral("unexpected argument '%1'").arg(args->positional().first());
    if (!error.isEmpty())
        return fail(error, CommandProcessor::Usage);

    bool usage = false;
    const std::optional<TVersionInfo> installed = installedVersion(*args, &error, &usage);
    if (!installed)
        return fail(error, usage ? CommandProcessor::Usage : CommandProcessor::Failed);
    const QString address = serverAddress(*args);
    if (address.isEmpty())
        return fail(QStringLiteral("No update server is set up."), CommandProcessor::Failed);
    const Fetched fetched = fetchList(QUrl(address));
    if (!fetched.ok)
        return fail(fetched.reason, CommandProcessor::Failed);
    Status status;
    const auto installers = UpdateCheck::readServerList(fetched.body, &status);
    if (!installers)
        return fail(QStringLiteral("The update list could not be read: %1").arg(status.text()), CommandProcessor::Failed);
    report(*installed, UpdateCheck::candidate(*installed, *installers), args->has(QStringLiteral("--json")), delegate);
    return CommandProcessor::Success;
}
