#include "files/OxsValues.h"
#include "files/OxsFile.h"
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace {
QStringList numberWords(const QString& written)
{
    QString plain = written;
    plain.remove(QLatin1String("[+]"));
    return plain.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool allowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}
} // namespace

std::optional<double> OxsValues::number(QStringView text)
{
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('+')))
        text = text.mid(1);
    // Longer numbers than any position or length are no numbers of this format.
    char buffer[64];
    if (text.isEmpty() || text.size() >= qsizetype(sizeof buffer))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80)
            return std::nullopt;
        buffer[i] = c == u',' ? '.' : char(c);
    }
    double value = 0;
    const char* end = buffer + text.size();
    const auto [stop, error] = std::from_chars(buffer, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> OxsValues::flag(QStringView text)
{
    text = text.trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

TColorRef OxsValues::color(QStringView text)
{
    text = text.trimmed();
    bool ok = false;
    const uint rgb = text.size() == 6 ? text.toUInt(&ok, 16) : 0;
    if (!ok)
        return makeColorRef(0xFF, 0x00, 0xFF);
    return makeColorRef(int(rgb >> 16), int(rgb >> 8), int(rgb));
}

QString OxsValues::colorText(TColorRef color)
{
    return QStringLiteral("%1%2%3")
        .arg(redOf(color), 2, 16, QLatin1Char('0'))
        .arg(greenOf(color), 2, 16, QLatin1Char('0'))
        .arg(blueOf(color), 2, 16, QLatin1Char('0'))
        .toUpper();
}

int OxsValues::halfPoint(double cells, bool* moved)
{
    const double half = 2 * cells;
    const double nearest = std::floor(half + 0.5);
    if (std::fabs(half - nearest) > 1e-6)
        *moved = true;
    const double far = OxsFile::kFarAway;
    return int(std::clamp(nearest, -far, far));
}

QString OxsValues::numberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString OxsValues::threadNumber(const QString& written)
{
    const QStringList words = numberWords(written);
    return words.isEmpty() ? QString() : words.last();
}

QString OxsValues::threadBrand(const QString& written)
{
    QStringList words = numberWords(written);
    if (!words.isEmpty())
        words.removeLast();
    return words.join(QLatin1Char(' '));
}

QString OxsValues::xmlText(const QString& text)
{
    const bool allAllowed = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x20 ? !c.isSurrogate() && c.unicode() < 0xFFFE : allowedInXml(c.unicode());
    });
    if (allAllowed)
        return text;
    QString kept;
    for (const char32_t c : text.toUcs4()) {
        if (allowedInXml(c))
            kept += QString::fromUcs4(&c, 1);
    }
    return kept;
}
