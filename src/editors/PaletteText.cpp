#include "model/Translatable.h"
#include "editors/PaletteText.h"
#include "model/CommaText.h"
#include "model/TextFile.h"
#include "model/Windows1252.h"
#include <charconv>

namespace {
Status unstorableColor(const TColorInfo& color)
{
    return Status::error(TRANSLATABLE("The color \"%1\" (number %2) has a character that a palette file cannot hold. Change it before saving."),
        {color.colorName, color.colorID});
}

Status unstorablePalette()
{
    return Status::error(TRANSLATABLE("The palette name or version has a character that a palette file cannot hold. Change it before saving."));
}

bool parseColorLine(const QStringList& f, int position, TColorInfo& color)
{
    if (f.size() != 5 && f.size() != 6)
        return false;
    const int o = int(f.size()) - 5;
    int values[4];
    for (int k = 0; k < 4; ++k) {
        if (!TextFile::parseInteger(f[o + 1 + k], values[k]))
            return false;
    }
    color = TColorInfo();
    color.colorName = f[0];
    color.colorID = f[o];
    color.matchColor = makeColorRef(values[0], values[1], values[2]);
    color.charID = values[3];
    color.orderID = position;
    return true;
}
} // namespace

QString PaletteText::colorLine(const TColorInfo& color)
{
    QString line;
    appendColorLine(line, color);
    return line;
}

// Written straight into the file's text: a palette of many thousand colours is saved without a
// string per line or per number.
void PaletteText::appendColorLine(QString& out, const TColorInfo& color)
{
    if (color.colorName != color.colorID) {
        appendCommaField(out, color.colorName);
        out += QLatin1String(", ");
    }
    appendCommaField(out, color.colorID);
    for (const int value : {redOf(color.matchColor), greenOf(color.matchColor), blueOf(color.matchColor), color.charID}) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        out += QLatin1String(", ");
        out += QLatin1String(digits, end - digits);
    }
}

Status PaletteText::encode(const QString& name, const QString& version, const QList<TColorInfo>& colors, QByteArray& bytes)
{
    if (colors.isEmpty())
        return Status::error(TRANSLATABLE("Palette is empty"));
    if (!TextFile::isStorableLine(name) || !TextFile::isStorableLine(version))
        return unstorablePalette();
    QString text = QStringLiteral(";$N") + name + QStringLiteral("\r\n;$V") + version + QStringLiteral("\r\n");
    text.reserve(colors.size() * 48);
    for (const TColorInfo& color : colors) {
        if (!TextFile::isStorableLine(color.colorName) || !TextFile::isStorableLine(color.colorID))
            return unstorableColor(color);
        appendColorLine(text, color);
        text += QLatin1String("\r\n");
    }
    bytes = Windows1252::fromUnicode(text);
    if (bytes.size() > TextFile::kMaxFileBytes) {
        return Status::error(TRANSLATABLE("The palette would be %1 bytes long; palette files of more than %2 bytes cannot be read. Remove colors before saving."),
            {QString::number(bytes.size()), QString::number(TextFile::kMaxFileBytes)});
    }
    return Status::ok();
}

PaletteText::Contents PaletteText::decode(const QStringList& lines)
{
    Contents contents;
    for (int i = 2; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        TColorInfo color;
        if (parseColorLine(splitCommaText(lines[i]), i - 2, color))
            contents.colors << color;
        else
            contents.notKept << QStringLiteral("%1: %2").arg(i + 1).arg(lines[i]);
    }
    return contents;
}

QString PaletteText::rgbText(TColorRef color)
{
    return QStringLiteral("$%1%2%3")
        .arg(redOf(color), 2, 16, QLatin1Char('0'))
        .arg(greenOf(color), 2, 16, QLatin1Char('0'))
        .arg(blueOf(color), 2, 16, QLatin1Char('0'))
        .toUpper();
}

std::optional<TColorRef> PaletteText::parseRgb(const QString& text)
{
    const QString t = text.trimmed();
    if (t.size() != 7 || (t[0] != QLatin1Char('$') && t[0] != QLatin1Char('#')))
        return std::nullopt;
    bool ok = false;
    const uint rgb = t.mid(1).toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return makeColorRef(int(rgb >> 16), int(rgb >> 8), int(rgb));
}
