#include "model/CommaText.h"

namespace {
bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

QString quotedField(const QString& s, qsizetype& i)
{
    QString field;
    ++i; // opening quote
    while (i < s.size()) {
        if (s[i] == QLatin1Char('"')) {
            if (i + 1 < s.size() && s[i + 1] == QLatin1Char('"')) {
                field += QLatin1Char('"');
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        field += s[i++];
    }
    return field;
}
} // namespace

QStringList splitCommaText(const QString& line)
{
    QStringList fields;
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n && isBlank(line[i]))
        ++i;
    while (i < n) {
        if (line[i] == QLatin1Char('"')) {
            fields << quotedField(line, i);
        } else {
            const qsizetype start = i;
            while (i < n && !isBlank(line[i]) && line[i] != QLatin1Char(','))
                ++i;
            fields << line.mid(start, i - start);
        }
        while (i < n && isBlank(line[i]))
            ++i;
        if (i < n && line[i] == QLatin1Char(',')) {
            if (i + 1 == n)
                fields << QString();
            ++i;
            while (i < n && isBlank(line[i]))
                ++i;
        }
    }
    return fields;
}

namespace {
bool needsQuotes(const QString& text)
{
    if (text.isEmpty())
        return true;
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c.unicode() <= 0x20 || c.unicode() == 0x7F)
            return true;
    }
    return false;
}
} // namespace

void appendCommaField(QString& out, const QString& text)
{
    if (!needsQuotes(text)) {
        out += text;
        return;
    }
    out += QLatin1Char('"');
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            out += QLatin1Char('"');
        out += c;
    }
    out += QLatin1Char('"');
}
