#include "model/TextFile.h"
#include "model/Windows1252.h"
#include <QFile>
#include <QStringDecoder>

namespace {
bool readAll(const QString& fileName, QByteArray& bytes, QString* error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // Reading one byte past the limit tells a file at the limit from a larger one, also for a
    // device whose size is not known in advance.
    bytes = file.read(TextFile::kMaxFileBytes + 1);
    if (bytes.size() > TextFile::kMaxFileBytes) {
        bytes.clear();
        if (error)
            *error = QStringLiteral("larger than %1 bytes").arg(TextFile::kMaxFileBytes);
        return false;
    }
    return true;
}

QString decodeWithBom(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder decoder(QStringDecoder::Utf16LE);
        return decoder(bytes.mid(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(QStringDecoder::Utf16BE);
        return decoder(bytes.mid(2));
    }
    return Windows1252::toUnicode(bytes);
}
} // namespace

QStringList TextFile::splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

bool TextFile::readLines(const QString& fileName, QStringList& lines, QString* error)
{
    QByteArray bytes;
    if (!readAll(fileName, bytes, error))
        return false;
    lines = splitLines(Windows1252::toUnicode(bytes));
    return true;
}

bool TextFile::readLinesWithBom(const QString& fileName, QStringList& lines, QString* error)
{
    QByteArray bytes;
    if (!readAll(fileName, bytes, error))
        return false;
    lines = splitLines(decodeWithBom(bytes));
    return true;
}

bool TextFile::isStorableLine(const QString& text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || !Windows1252::holds(c))
            return false;
    }
    return true;
}

bool TextFile::parseInteger(const QString& text, int& value)
{
    bool ok = false;
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    value = t.toInt(&ok, 10);
    return ok;
}
