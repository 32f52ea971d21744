#include "editors/SymbolSetText.h"
#include "model/CommaText.h"
#include "model/SymbolSetLoader.h"
#include "model/TextFile.h"
#include "model/Translatable.h"
#include "model/Windows1252.h"
#include <QFontMetrics>
#include <QSet>

Status SymbolSetText::read(const QString& fileName, Contents& contents)
{
    QStringList lines;
    QString error;
    if (!TextFile::readLines(fileName, lines, &error))
        return Status::error(TRANSLATABLE("The symbol set file %1 could not be read: %2"), {fileName, error});
    TCharacterInfo info;
    const Status parsed = SymbolSetLoader::parse(lines, fileName, info);
    if (!parsed)
        return parsed;
    Contents read;
    read.name = info.Name;
    read.description = info.altName;
    read.font = info.fontName;
    QSet<int> seen;
    for (const QChar symbol : std::as_const(info.characters)) {
        const int code = SymbolSetLoader::codeOf(symbol);
        if (seen.contains(code)) {
            if (!read.repeated.contains(code))
                read.repeated << code;
            continue;
        }
        seen.insert(code);
        read.codes << code;
    }
    contents = std::move(read);
    return Status::ok();
}

Status SymbolSetText::encode(const Contents& contents, QByteArray& bytes)
{
    if (contents.codes.isEmpty())
        return Status::error(TRANSLATABLE("The symbol set has no characters."));
    for (const QString* text : {&contents.name, &contents.description, &contents.font}) {
        if (!TextFile::isStorableLine(*text)) {
            return Status::error(TRANSLATABLE("The name, description or font of the symbol set has a character that a symbol set file cannot hold. Change it before saving."));
        }
    }
    QString text = contents.name + QStringLiteral("\r\n") + contents.description + QStringLiteral("\r\n");
    appendCommaField(text, contents.font);
    text += QStringLiteral(",,53\r\n");
    for (const int code : contents.codes) {
        text += QString::number(code);
        text += QLatin1String("\r\n");
    }
    bytes = Windows1252::fromUnicode(text);
    return Status::ok();
}

bool SymbolSetText::hasVisibleGlyph(const QFontMetrics& metrics, int code)
{
    const QChar symbol = SymbolSetLoader::characterOf(code);
    const QChar::Category category = symbol.category();
    if (symbol.isSpace() || category == QChar::Other_Format || category == QChar::Other_Control)
        return false;
    return metrics.inFontUcs4(symbol.unicode());
}
