#include "model/Translatable.h"
#include "files/CMYKFile.h"
#include "files/SafeFileWriter.h"
#include "model/CMYKConversion.h"
#include "model/TextFile.h"
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <map>
#include <optional>

namespace {
using Keys = QHash<QString, QString>;
// Sections of the file by lower-case name; for a name or a key given twice the first counts,
// as the platform's INI reading does.
using Sections = QHash<QString, Keys>;

// Left-out sections named in the message; more are counted, not listed.
constexpr int kListedSections = 10;

Sections readSections(const QStringList& lines)
{
    Sections sections;
    QString current;
    bool reading = false;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            current = line.mid(1, close < 0 ? -1 : close - 1).trimmed().toLower();
            reading = !sections.contains(current);
            if (reading)
                sections.insert(current, Keys());
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!reading || equals <= 0 || line.startsWith(QLatin1Char(';')))
            continue;
        Keys& keys = sections[current];
        const QString key = line.left(equals).trimmed().toLower();
        if (!keys.contains(key))
            keys.insert(key, line.mid(equals + 1).trimmed());
    }
    return sections;
}

// The number N of a section named "colorN" (no sign, no leading zero), or 0.
int colorSectionNumber(const QString& name)
{
    static const QString prefix = QStringLiteral("color");
    if (!name.startsWith(prefix))
        return 0;
    const QString digits = name.mid(prefix.size());
    bool ok = false;
    const int n = digits.toInt(&ok, 10);
    return ok && n > 0 && digits == QString::number(n) ? n : 0;
}

// "$" and one to six hexadecimal digits, nothing else (no sign, no blank).
std::optional<TColorRef> parseRgb(const QString& text)
{
    const QString digits = text.mid(1);
    if (!text.startsWith(QLatin1Char('$')) || digits.isEmpty() || digits.size() > 6)
        return std::nullopt;
    for (QChar ch : digits) {
        if (!QStringLiteral("0123456789abcdefABCDEF").contains(ch))
            return std::nullopt;
    }
    const uint rgb = digits.toUInt(nullptr, 16);
    return makeColorRef(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

std::optional<int> parsePercent(const Keys& keys, const QString& key)
{
    const auto it = keys.constFind(key);
    if (it == keys.constEnd())
        return 0;
    int value = 0;
    if (!TextFile::parseInteger(*it, value) || value < 0 || value > 100)
        return std::nullopt;
    return value;
}

std::optional<TCMYK> parseCorrection(const Keys& keys)
{
    const auto c = parsePercent(keys, QStringLiteral("cvalue"));
    const auto m = parsePercent(keys, QStringLiteral("mvalue"));
    const auto y = parsePercent(keys, QStringLiteral("yvalue"));
    const auto k = parsePercent(keys, QStringLiteral("kvalue"));
    if (!c || !m || !y || !k)
        return std::nullopt;
    return CMYKConversion::correction(*c, *m, *y, *k);
}

QString listOf(const QStringList& names)
{
    QString list = names.mid(0, kListedSections).join(QStringLiteral(", "));
    if (names.size() > kListedSections)
        list += QStringLiteral(" (+%1)").arg(names.size() - kListedSections);
    return list;
}
} // namespace

QString CMYKFile::findIn(const QString& folder)
{
    const QString preferred = QString::fromLatin1(kFileName);
    QStringList names = QDir(folder).entryList({preferred}, QDir::Files | QDir::Readable, QDir::Name);
    if (names.isEmpty())
        return {};
    const QString name = names.contains(preferred) ? preferred : names.first();
    return QDir(folder).filePath(name);
}

QString CMYKFile::fileFor(const QString& folder)
{
    const QString found = findIn(folder);
    return found.isEmpty() ? QDir(folder).filePath(QString::fromLatin1(kFileName)) : found;
}

Status CMYKFile::load(const QString& fileName, TCMYKMap& corrections)
{
    corrections.clear();
    if (fileName.isEmpty() || !QFileInfo::exists(fileName))
        return Status::ok();
    QStringList lines;
    QString error;
    if (!TextFile::readLines(fileName, lines, &error))
        return Status::error(TRANSLATABLE("Could not read the file %1: %2"), {fileName, error});
    return parse(lines, fileName, corrections);
}

Status CMYKFile::parse(const QStringList& lines, const QString& fileName, TCMYKMap& corrections)
{
    corrections.clear();
    const Sections sections = readSections(lines);
    int count = 0;
    if (!TextFile::parseInteger(sections.value(QStringLiteral("main")).value(QStringLiteral("count")), count))
        count = 0;
    // The sections that exist, in number order: a count of two thousand million walks no more.
    std::map<int, const Keys*> numbered;
    for (auto it = sections.constBegin(); it != sections.constEnd(); ++it) {
        const int n = colorSectionNumber(it.key());
        if (n > 0 && n <= count && it->contains(QStringLiteral("rgb")))
            numbered.emplace(n, &*it);
    }
    QStringList leftOut;
    for (const auto& [n, keys] : numbered) {
        const auto color = parseRgb(keys->value(QStringLiteral("rgb")));
        const auto correction = parseCorrection(*keys);
        const TColor32 key = color ? color32FromColorRef(*color) : 0;
        if (!color || !correction || corrections.contains(key)) {
            leftOut << QStringLiteral("color%1").arg(n);
            continue;
        }
        corrections.insert(key, *correction);
    }
    if (leftOut.isEmpty())
        return Status::ok();
    return Status::error(TRANSLATABLE("Some print colours of %1 were left out (a bad value or a colour given twice): %2"),
        {fileName, listOf(leftOut)});
}

QByteArray CMYKFile::format(const TCMYKMap& corrections)
{
    QByteArray bytes = "[main]\r\ncount=" + QByteArray::number(corrections.size()) + "\r\n";
    int n = 0;
    for (const auto& [key, value] : corrections) {
        const TColorRef color = colorRefFromColor32(key);
        bytes += QString::asprintf("\r\n[color%d]\r\nrgb=$%02X%02X%02X\r\nCValue=%d\r\nMValue=%d\r\nYValue=%d\r\nKValue=%d\r\n",
            ++n, redOf(color), greenOf(color), blueOf(color), value.C, value.M, value.Y, value.K)
                     .toLatin1();
    }
    return bytes;
}

Status CMYKFile::save(const QString& fileName, const TCMYKMap& corrections)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        return Status::error(TRANSLATABLE("Could not write the file %1: %2"), {fileName, folder});
    return SafeFileWriter::writeBytes(fileName, format(corrections));
}
