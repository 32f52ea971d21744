#include "shell/OptionsValues.h"
#include "model/TStitch.h"
#include "model/Translatable.h"
#include "shell/GeneralSettings.h"
#include "shell/Paths.h"

namespace {
using V = OptionsValues;
constexpr V::NumericField kNumericFields[] = {
    {"EThickLines", "Thick grid lines", &V::thickLines, 0, 100},
    {"eMediumLines", "Medium grid lines", &V::mediumLines, 0, 100},
    {"EThinLines", "Thin grid lines", &V::thinLines, 0, 100},
    {"EBackStitchLine", "Backstitch width", &V::backstitchLines, 0, 100},
    {"ESymboleSize", "Symbol size", &V::symbolSize, 30, 300},
    {"EBorderTop", "Top", &V::BorderTop, 0, 100},
    {"EBorderBottom", "Bottom", &V::BorderBottom, 0, 100},
    {"EBorderLeft", "Left", &V::BorderLeft, 0, 100},
    {"EBorderRight", "Right", &V::BorderRight, 0, 100},
    {"EditLabelGridHor", "Grid", &V::LabelGridHor, 1, 1000},
    {"EditLabelGridVert", "Grid", &V::LabelGridVert, 1, 1000},
    {"EditLabelWidth", "Label Size", &V::LabelWidth, 1, 3000},
    {"EditLabelHeight", "Label Size", &V::LabelHeight, 1, 2500},
    {"EditLabelBorderTop", "Label page borders", &V::LabelBorderTop, 0, 1000},
    {"EditLabelBorderBottom", "Label page borders", &V::LabelBorderBottom, 0, 1000},
    {"EditLabelBorderLeft", "Label page borders", &V::LabelBorderLeft, 0, 1000},
    {"EditLabelBorderRight", "Label page borders", &V::LabelBorderRight, 0, 1000},
    {"EPrintTop", "Up/Down", &V::PrintPosTop, -100, 100},
    {"EPrintLeft", "Left/Right", &V::PrintPosLeft, -100, 100},
    {"EBagsSize", "Diamonds/Tessera per bag:", &V::BagSize, 1, 10000},
    {"EditDistance", "Distance between picture and legend", &V::LegendDistance, 1, 10000},
};
} // namespace

std::span<const OptionsValues::NumericField> OptionsValues::numericFields()
{
    return kNumericFields;
}

OptionsValues OptionsValues::read(const TStitch& doc, const GeneralSettings& general)
{
    OptionsValues v;
    v.defaultPalette = doc.defaultPalette;
    v.defaultCharacters = doc.defaultCharacters;
    v.libraryPath = doc.libraryPath;
    v.DefaultTitle = doc.DefaultTitle;
    v.SubTitle = doc.SubTitle;
    v.BookInfo = doc.BookInfo;
    v.checkForUpdates = doc.checkForUpdates;
    v.thickLines = doc.thickLines;
    v.mediumLines = doc.mediumLines;
    v.thinLines = doc.thinLines;
    v.backstitchLines = doc.backstitchLines;
    v.symbolSize = doc.symbolSize;
    v.PrintPosTop = doc.PrintPosTop;
    v.PrintPosLeft = doc.PrintPosLeft;
    v.BorderTop = general.BorderTop;
    v.BorderBottom = general.BorderBottom;
    v.BorderLeft = general.BorderLeft;
    v.BorderRight = general.BorderRight;
    v.LegendDistance = doc.LegendDistance;
    v.BagSize = doc.BagSize;
    v.AllowQuarterOverCross = general.AllowQuarterOverCross;
    v.LabelGridHor = doc.LabelGridHor;
    v.LabelGridVert = doc.LabelGridVert;
    v.LabelWidth = doc.LabelWidth;
    v.LabelHeight = doc.LabelHeight;
    v.LabelBorderTop = doc.LabelBorderTop;
    v.LabelBorderBottom = doc.LabelBorderBottom;
    v.LabelBorderLeft = doc.LabelBorderLeft;
    v.LabelBorderRight = doc.LabelBorderRight;
    return v;
}

// The margins are the settings store's own defaults, so "Default" gives what a fresh install has.
OptionsValues OptionsValues::defaults() const
{
    const OptionsValues fresh;
    OptionsValues v = *this;
    v.SubTitle = QString::fromLatin1(kDefaultSubTitle);
    v.checkForUpdates = fresh.checkForUpdates;
    v.thickLines = fresh.thickLines;
    v.mediumLines = fresh.mediumLines;
    v.thinLines = fresh.thinLines;
    v.backstitchLines = fresh.backstitchLines;
    v.symbolSize = fresh.symbolSize;
    v.PrintPosTop = fresh.PrintPosTop;
    v.PrintPosLeft = fresh.PrintPosLeft;
    v.BorderTop = fresh.BorderTop;
    v.BorderBottom = fresh.BorderBottom;
    v.BorderLeft = fresh.BorderLeft;
    v.BorderRight = fresh.BorderRight;
    v.LegendDistance = fresh.LegendDistance;
    v.BagSize = fresh.BagSize;
    v.AllowQuarterOverCross = fresh.AllowQuarterOverCross;
    return v;
}

Status OptionsValues::check(const Translate& translate) const
{
    for (const NumericField& f : numericFields()) {
        const int value = this->*f.value;
        if (value < f.minimum || value > f.maximum) {
            const QString caption = QString::fromLatin1(f.caption);
            return Status::error(TRANSLATABLE("The value of \"%1\" must be a whole number from %2 to %3."),
                {translate ? translate(caption) : caption, QString::number(f.minimum), QString::number(f.maximum)});
        }
    }
    return Status::ok();
}

Status OptionsValues::apply(TStitch& doc, GeneralSettings& general) const
{
    const Status checked = check([&doc](const QString& text) { return doc.translate(text); });
    if (!checked)
        return checked;
    // An empty list offered nothing to choose: the setting stays.
    if (!defaultPalette.isEmpty())
        doc.defaultPalette = defaultPalette;
    if (!defaultCharacters.isEmpty())
        doc.defaultCharacters = defaultCharacters;
    doc.DefaultTitle = DefaultTitle;
    if (doc.Title.isEmpty() && !DefaultTitle.isEmpty()) {
        doc.Title = DefaultTitle;
        doc.Change();
    }
    doc.SubTitle = SubTitle;
    doc.thickLines = thickLines;
    doc.mediumLines = mediumLines;
    doc.thinLines = thinLines;
    doc.backstitchLines = backstitchLines;
    doc.symbolSize = symbolSize;
    general.BorderTop = BorderTop;
    general.BorderBottom = BorderBottom;
    general.BorderLeft = BorderLeft;
    general.BorderRight = BorderRight;
    doc.LabelGridHor = LabelGridHor;
    doc.LabelGridVert = LabelGridVert;
    doc.LabelWidth = LabelWidth;
    doc.LabelHeight = LabelHeight;
    doc.LabelBorderTop = LabelBorderTop;
    doc.LabelBorderBottom = LabelBorderBottom;
    doc.LabelBorderLeft = LabelBorderLeft;
    doc.LabelBorderRight = LabelBorderRight;
    general.AllowQuarterOverCross = AllowQuarterOverCross;
    doc.BookInfo = BookInfo;
    doc.libraryPath = Paths::withSeparator(libraryPath);
    doc.PrintPosTop = PrintPosTop;
    doc.PrintPosLeft = PrintPosLeft;
    doc.BagSize = BagSize;
    doc.LegendDistance = LegendDistance;
    doc.checkForUpdates = checkForUpdates;
    return Status::ok();
}

QString OptionsValues::shownSubTitle(TStitch& doc, const QString& stored)
{
    return doc.translate(stored);
}

QString OptionsValues::storedSubTitle(TStitch& doc, const QString& shown)
{
    const QString english = QString::fromLatin1(kDefaultSubTitle);
    return shown == doc.translate(english) ? english : shown;
}
