#include "shell/Languages.h"
#include <QDir>
#include <QFileInfo>

const char* const Languages::kEnglish = "english.lang";

QHash<QString, QString> Languages::buildTable(const QStringList& english, const QStringList& translated)
{
    QHash<QString, QString> table;
    for (int i = 0; i < english.size(); ++i)
        table.insert(english[i], i < translated.size() ? translated[i] : english[i]);
    return table;
}

bool Languages::isPlainFileName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && name != QLatin1String(".") && name != QLatin1String("..");
}

QList<Languages::MenuEntry> Languages::menuEntries(const QString& languagesPath, const QStringList& registered)
{
    static const QHash<QString, QString> flags = {
        {QStringLiteral("english"), QStringLiteral("flag-english")},
        {QStringLiteral("deutsch"), QStringLiteral("flag-deutsch")},
        {QStringLiteral("francais"), QStringLiteral("flag-francais")},
        {QStringLiteral("руский"), QStringLiteral("flag-russian")},
        {QStringLiteral("български"), QStringLiteral("flag-bulgarian")},
    };
    QList<MenuEntry> entries;
    const QStringList files = QDir(languagesPath).entryList({QStringLiteral("*.lang")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString name = QFileInfo(file).completeBaseName();
        const bool known = std::any_of(registered.begin(), registered.end(),
            [&](const QString& r) { return r.compare(name, Qt::CaseInsensitive) == 0; });
        if (known)
            entries.append({name, file, flags.value(name.toLower())});
    }
    return entries;
}

QString Languages::helpFile(const QString& helpPath, const QString& languageFile)
{
    const QString own = helpPath + QFileInfo(languageFile).completeBaseName() + QStringLiteral(".html");
    return QFileInfo::exists(own) ? own : helpPath + QStringLiteral("english.html");
}

QString Languages::helpAnchor(int topic)
{
    return topic == 0 ? QStringLiteral("contents") : QStringLiteral("topic-%1").arg(topic);
}
