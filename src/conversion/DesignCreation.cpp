#include "model/Translatable.h"
#include "conversion/DesignCreation.h"
#include "model/Design.h"
#include "model/DesignLimits.h"
#include "model/DesignListener.h"
#include "model/SymbolSetLoader.h"

void DesignCreation::assignSymbolSet(Design& design, const QString& characters)
{
    TStitch& doc = design.stitch;
    const QString name = keyOrSmallest(doc.characters, characters);
    const TCharacterInfo set = name.isEmpty() ? SymbolSetLoader::builtInSet() : doc.characters.at(name);
    doc.chars = std::make_unique<TCharacters>(set.characters, &doc.listener());
    doc.chars->CharsName = set.Name;
    doc.chars->ffontcharset = quint8(set.fontCharset);
    doc.chars->SetFontName(set.fontName, doc.Colors);
}

Status DesignCreation::CreateNewTemplate(Design& design, int X, int Y, const QString& characters, const QString& palette)
{
    if (!DesignLimits::sizeAllowed(X, Y))
        return DesignLimits::refusal();
    TStitch& doc = design.stitch;
    doc.BackGroundColor = 0xFFFFFFFFu;
    doc.fileMode = fmNew;
    doc.Title = doc.DefaultTitle;
    doc.comment.clear();
    design.BackStitchList.clear();
    design.FrenchKnotList.clear();
    design.RhodeList.clear();

    const QString key = keyOrSmallest(doc.ColorPalettes, palette);
    doc.Colors = key.isEmpty() ? TColorTable() : doc.ColorPalettes.at(key);
    doc.setColorsname(key);
    doc.setUsedColors(0);
    design.allocateLayers(X, Y);
    assignSymbolSet(design, characters);
    if (!doc.Colors.isEmpty())
        doc.setDrawcolor(doc.Colors.begin()->first);

    doc.setFilename(doc.translate(TRANSLATABLE("New file")) + QStringLiteral(".qmk"));
    doc.FileNameAssigned = false;
    doc.setFileSaved(true);
    design.listener().designChanged();
    return Status::ok();
}
