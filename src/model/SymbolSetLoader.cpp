#include "model/Translatable.h"
#include "model/SymbolSetLoader.h"
#include "model/CatalogueFiles.h"
#include "model/CommaText.h"
#include "model/TStitch.h"
#include "model/TextFile.h"
#include "model/Windows1252.h"

Status SymbolSetLoader::parse(const QStringList& lines, const QString& fileName, TCharacterInfo& info)
{
    if (lines.size() < 3)
        return Status::error(TRANSLATABLE("The symbol set file %1 has no font line. The symbol set was not loaded."), {fileName});
    info = TCharacterInfo();
    info.fileName = fileName;
    info.Name = lines[0];
    info.altName = lines[1];
    const QStringList font = splitCommaText(lines[2]);
    info.fontName = font.value(0);
    // The style and the character set are both taken from the third field.
    int third = 0;
    const bool hasThird = font.size() >= 3 && TextFile::parseInteger(font[2], third);
    info.fontStyle = hasThird ? third : 0;
    info.fontCharset = hasThird ? third : 57;
    for (int i = 3; i < lines.size(); ++i) {
        int code = 0;
        if (!TextFile::parseInteger(lines[i], code) || code < 0 || code > 0xFFFF) {
            return Status::error(TRANSLATABLE("The symbol set file %1 has a line that is not a character code: line %2. The symbol set was not loaded."),
                {fileName, QString::number(i + 1)});
        }
        info.characters += characterOf(code);
    }
    return Status::ok();
}

QChar SymbolSetLoader::characterOf(int code)
{
    return code >= 128 && code <= 159 ? Windows1252::charOf(static_cast<unsigned char>(code)) : QChar(char16_t(code));
}

int SymbolSetLoader::codeOf(QChar symbol)
{
    const QByteArray byte = Windows1252::fromUnicode(QString(symbol));
    const auto b = static_cast<unsigned char>(byte.at(0));
    return b >= 128 && b <= 159 && Windows1252::charOf(b) == symbol ? b : symbol.unicode();
}

Status SymbolSetLoader::loadFile(const QString& fileName, TSymbolSetCatalogue& catalogue)
{
    QStringList lines;
    QString error;
    if (!TextFile::readLines(fileName, lines, &error))
        return Status::error(TRANSLATABLE("The symbol set file %1 could not be read: %2"), {fileName, error});
    TCharacterInfo info;
    const Status parsed = parse(lines, fileName, info);
    if (!parsed)
        return parsed;
    if (catalogue.contains(info.Name)) {
        int n = 1;
        while (catalogue.contains(info.Name + QStringLiteral(" (%1)").arg(n)))
            ++n;
        info.Name += QStringLiteral(" (%1)").arg(n);
    }
    catalogue.insert(info.Name, info);
    return Status::ok();
}

QStringList SymbolSetLoader::loadFolder(const QString& folder, TSymbolSetCatalogue& catalogue)
{
    return loadFolders(QString(), folder, catalogue);
}

QStringList SymbolSetLoader::loadFolders(const QString& userFolder, const QString& shippedFolder, TSymbolSetCatalogue& catalogue)
{
    QStringList messages;
    const QStringList paths = CatalogueFiles::effective(userFolder, shippedFolder, QStringLiteral("*.chr"));
    for (const QString& path : paths) {
        const Status s = loadFile(path, catalogue);
        if (!s)
            messages << s.text();
    }
    return messages;
}

TCharacterInfo SymbolSetLoader::builtInSet()
{
    TCharacterInfo info;
    info.Name = QStringLiteral("Default");
    info.altName = QStringLiteral("Digits and capital letters");
    info.fontName = QStringLiteral("VelwickArtSymbols110");
    info.fontCharset = 53;
    info.characters = defaultCharacterString();
    return info;
}
