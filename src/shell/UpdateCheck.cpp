#include "shell/UpdateCheck.h"
#include "files/XmlDocument.h"
#include "shell/DelphiDate.h"
#include "shell/SettingsStore.h"
#include <QFile>
#include <QFileInfo>
#include <QUrlQuery>
#include <QXmlStreamReader>

namespace {
const char* const kDefaultListAddress = "https://updates.threadwright.invalid/DownloadInfo/UpdatesKvx.xml";
const char* const kDefaultInfoAddress = "https://updates.threadwright.invalid/UpdateInfo";

// Why one part of a file was refused; the caller adds which file it was.
struct Refusal
{
    QString reason;
};

QString settingOr(SettingsStore& store, const QString& name, const char* fallback)
{
    return store.valueExists(name) ? store.readString(name).trimmed() : QLatin1String(fallback);
}

// A declaration of its own entities lets a small file expand to any size, and no list the
// check reads needs one: it is refused before the document is built.
bool hasDocumentType(const QByteArray& bytes)
{
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD)
            return true;
        if (token == QXmlStreamReader::StartElement)
            return false;
    }
    return false;
}

std::optional<int> versionNumber(const QString& text)
{
    if (text.isEmpty() || text.size() > 5)
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + c.digitValue();
    }
    if (value > UpdateCheck::kMaxVersionNumber)
        return std::nullopt;
    return value;
}

QString boundedText(const XmlElement& e, const QString& name)
{
    const QString value = e.attribute(name);
    if (value.size() > UpdateCheck::kMaxAttributeLength)
        throw Refusal{QStringLiteral("the attribute %1 of element %2 is longer than %3 characters")
                          .arg(name, e.name().left(64))
                          .arg(UpdateCheck::kMaxAttributeLength)};
    return value;
}

int numberAttribute(const XmlElement& e, const QString& name)
{
    const QString text = boundedText(e, name);
    const std::optional<int> value = versionNumber(text);
    if (!value)
        throw Refusal{QStringLiteral("the attribute %1 of element %2 is \"%3\", not a whole number from 0 to %4")
                          .arg(name, e.name().left(64), text.left(64))
                          .arg(UpdateCheck::kMaxVersionNumber)};
    return *value;
}

TVersionInfo versionOf(const XmlElement& e, const QString& nameAttribute, TUpdateType type)
{
    TVersionInfo v;
    v.updateType = type;
    v.Name = nameAttribute.isEmpty() ? UpdateCheck::productName() : boundedText(e, nameAttribute);
    v.Major = numberAttribute(e, QStringLiteral("Major"));
    v.Minor = numberAttribute(e, QStringLiteral("Minor"));
    v.Release = numberAttribute(e, QStringLiteral("Release"));
    return v;
}

XmlElement requiredChild(const XmlElement& parent, const QString& name)
{
    const XmlElement child = parent.childByName(name);
    if (child.isNull())
        throw Refusal{QStringLiteral("it has no element %1").arg(name)};
    const int count = child.childCount();
    if (count > UpdateCheck::kMaxInstallers)
        throw Refusal{QStringLiteral("its element %1 has %2 entries, more than %3")
                          .arg(name)
                          .arg(count)
                          .arg(UpdateCheck::kMaxInstallers)};
    return child;
}

QList<TVersionInfo> entries(const XmlElement& list, const QString& nameAttribute, TUpdateType type)
{
    QList<TVersionInfo> result;
    for (const XmlElement& e : list.children())
        result << versionOf(e, nameAttribute, type);
    return result;
}

// The document of a list from outside, or the refusal.
std::optional<XmlDocument> parseList(const QByteArray& bytes, Status* status)
{
    if (hasDocumentType(bytes)) {
        if (status)
            *status = Status::error(QStringLiteral("it declares a document type"));
        return std::nullopt;
    }
    Status parsed;
    auto doc = XmlDocument::parse(bytes, &parsed);
    if (!doc && status)
        *status = Status::error(parsed.text());
    return doc;
}

template<typename Result, typename Read>
std::optional<Result> readWith(const QByteArray& bytes, Status* status, Read read)
{
    const std::optional<XmlDocument> doc = parseList(bytes, status);
    if (!doc)
        return std::nullopt;
    try {
        return read(doc->documentElement());
    } catch (const Refusal& refusal) {
        if (status)
            *status = Status::error(refusal.reason);
        return std::nullopt;
    }
}
} // namespace

QString UpdateCheck::productName()
{
    return QStringLiteral("Threadwright");
}

QString UpdateCheck::serverListAddress(SettingsStore& store)
{
    return settingOr(store, QStringLiteral("UpdateURL"), kDefaultListAddress);
}

QString UpdateCheck::infoPageAddress(SettingsStore& store)
{
    return settingOr(store, QStringLiteral("UpdateInfoURL"), kDefaultInfoAddress);
}

std::optional<QList<TVersionInfo>> UpdateCheck::readServerList(const QByteArray& bytes, Status* status)
{
    return readWith<QList<TVersionInfo>>(bytes, status, [](const XmlElement& root) {
        QList<TVersionInfo> installers;
        for (const XmlElement& e : requiredChild(root, QStringLiteral("Installers")).children()) {
            TVersionInfo v = versionOf(e, QString(), utProgram);
            v.URL = boundedText(e, QStringLiteral("URL"));
            v.Filename = boundedText(e, QStringLiteral("Filename"));
            installers << v;
        }
        return installers;
    });
}

std::optional<InstalledVersions> UpdateCheck::readInstalled(const QByteArray& bytes, Status* status)
{
    return readWith<InstalledVersions>(bytes, status, [](const XmlElement& root) {
        InstalledVersions installed;
        installed.program.Name = productName();
        const XmlElement release = root.childByName(QStringLiteral("ProgramRelease"));
        if (!release.isNull())
            installed.program = versionOf(release, QString(), utProgram);
        installed.helps = entries(requiredChild(root, QStringLiteral("Helps")), QStringLiteral("Language"), utHelp);
        installed.palettes = entries(requiredChild(root, QStringLiteral("Palettes")), QStringLiteral("Name"), utPalette);
        return installed;
    });
}

std::optional<InstalledVersions> UpdateCheck::loadInstalled(const QString& fileName, Status* status)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (status)
            *status = Status::error(QStringLiteral("%1: %2").arg(fileName, file.errorString()));
        return std::nullopt;
    }
    Status read;
    auto installed = readInstalled(file.read(XmlDocument::kMaxFileBytes + 1), &read);
    if (!installed && status)
        *status = Status::error(QStringLiteral("%1: %2").arg(fileName, read.text()));
    return installed;
}

std::optional<TVersionInfo> UpdateCheck::candidate(const TVersionInfo& installed, const QList<TVersionInfo>& installers)
{
    std::optional<TVersionInfo> offer;
    for (const TVersionInfo& v : installers) {
        const bool newer = v.Minor > installed.Minor || (v.Minor == installed.Minor && v.Release > installed.Release);
        if (v.Major == installed.Major && newer)
            offer = v;
    }
    // A record without a program release reads 0.0.0, and no release of major 0 is offered.
    if (offer && offer->Major < 1)
        return std::nullopt;
    return offer;
}

QUrl UpdateCheck::infoPageUrl(const QString& pageAddress, const QString& languageFile, const TVersionInfo& installed)
{
    QUrl url(pageAddress);
    QUrlQuery query;
    const auto add = [&query](const QString& key, const QString& value) {
        query.addQueryItem(key, QString::fromLatin1(QUrl::toPercentEncoding(value)));
    };
    add(QStringLiteral("Language"), QFileInfo(languageFile).completeBaseName());
    add(QStringLiteral("Program"), QStringLiteral("KVX"));
    add(QStringLiteral("Version"), installed.version());
    url.setQuery(query);
    return url;
}

QDateTime UpdateCheck::nextDue(const QDateTime& checked)
{
    return checked.addMonths(1);
}

void UpdateCheck::moveDueDate(SettingsStore& store, const QDateTime& checked)
{
    store.writeDate(QStringLiteral("CheckForUpdatesDate"), DelphiDate::fromDateTime(nextDue(checked)));
    store.sync();
}

std::optional<TVersionInfo> UpdateCheck::parseVersion(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 3)
        return std::nullopt;
    TVersionInfo v;
    v.Name = productName();
    int* fields[] = {&v.Major, &v.Minor, &v.Release};
    for (int i = 0; i < 3; ++i) {
        const std::optional<int> n = versionNumber(parts[i]);
        if (!n)
            return std::nullopt;
        *fields[i] = *n;
    }
    return v;
}
