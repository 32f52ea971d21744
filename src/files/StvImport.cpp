#include "model/Translatable.h"
#include "files/StvImport.h"
#include "files/StvReader.h"
#include "files/TSTVFile.h"
#include "model/ColorUsage.h"
#include "model/Design.h"
#include "model/SymbolSetLoader.h"
#include "model/Windows1252.h"

namespace {
TColorRef backgroundColor(quint16 backcolor)
{
    return makeColorRef(backcolor & 0xFF, backcolor >> 8, 0);
}

void fillCrossLayer(const TSTVFile& file, Design& design)
{
    design.allocateLayers(file.imagewidth, file.imageheight);
    const int rows = file.Pixels.empty() ? 0 : file.imageheight;
    for (int y = 0; y < rows; ++y) {
        TColor32* line = design.CrossLayer.scanLine(y);
        const quint8* in = file.Pixels.data() + size_t(y) * file.imagewidth;
        for (int x = 0; x < file.imagewidth; ++x) {
            if (const TPixelInfo* entry = file.colorOf(in[x]))
                line[x] = stitchPixel(entry->aRgbColor);
        }
    }
}

int charIdOf(const TSTVFile& file, quint8 aChar)
{
    const qsizetype at = file.characters.indexOf(Windows1252::charOf(aChar));
    return at < 0 ? 0 : int(at) + 1;
}

void buildColorTable(const TSTVFile& file, TStitch& doc)
{
    if (!file.Colors.empty())
        doc.setDrawcolor(file.Colors.front().aRgbColor);
    for (const TPixelInfo& entry : file.Colors) {
        if (doc.Colors.contains(entry.aRgbColor))
            continue;
        TColorInfo info;
        info.matchColor = 0;
        info.orderID = 0;
        info.charID = charIdOf(file, entry.aChar);
        doc.Colors.insert(entry.aRgbColor, info);
    }
}

// An unknown palette is catalogued as the file has it; a known one adds nothing to the design.
void registerPalette(const QString& key, TStitch& doc)
{
    if (!doc.palette(key))
        doc.ColorPalettes.insert(key, doc.Colors);
}

void applySymbols(const TSTVFile& file, TStitch& doc)
{
    const QString key = keyOrSmallest(doc.characters, doc.defaultCharacters);
    const TCharacterInfo set = key.isEmpty() ? SymbolSetLoader::builtInSet() : doc.characters.at(key);
    doc.chars = std::make_unique<TCharacters>(set.characters, &doc.listener());
    doc.chars->CharsName = set.Name;
    doc.chars->ffontcharset = quint8(set.fontCharset);
    doc.chars->SetFontName(file.fontname.isEmpty() ? set.fontName : file.fontname, doc.Colors);
}
} // namespace

void StvImport::applyRecord(const TSTVFile& file, Design& design)
{
    TStitch& doc = design.stitch;
    doc.Title = doc.DefaultTitle;
    doc.comment.clear();
    doc.BackGroundColor = color32FromColorRef(backgroundColor(file.backcolor));
    fillCrossLayer(file, design);
    doc.setColorsname(file.colortablename);
    buildColorTable(file, doc);
    registerPalette(file.colortablename, doc);
    applySymbols(file, doc);
}

Status ReadSTV(const QString& fileName, Design& freshDesign, QList<Status>* warnings)
{
    TSTVFile file;
    const Status read = StvReader::read(file, fileName);
    if (!read)
        return read;
    StvImport::applyRecord(file, freshDesign);
    const qint64 withoutColor = file.cellsWithoutColor();
    file = TSTVFile();
    ColorUsage::CalcColorUsage(freshDesign);
    if (warnings && withoutColor > 0) {
        warnings->append(Status::error(
            TRANSLATABLE("The file %1 has %2 cells whose colour is missing from its colour list; they were left empty."),
            {fileName, QString::number(withoutColor)}));
    }
    return Status::ok();
}
