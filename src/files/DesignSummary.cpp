#include "files/DesignSummary.h"
#include "imaging/HexColor.h"
#include "model/Design.h"
#include "model/StitchCensus.h"
#include <QJsonArray>

namespace {
QString symbolSetName(const TStitch& doc)
{
    return doc.chars ? doc.chars->CharsName : QString();
}

QString fontName(const TStitch& doc)
{
    return doc.chars ? doc.chars->ffontname : QString();
}
} // namespace

QJsonObject DesignSummary::json(const Design& design)
{
    const TStitch& doc = design.stitch;
    QJsonArray colors;
    const StitchCensus census(design);
    for (const StitchCensus::Line& line : census.lines()) {
        colors.append(QJsonObject{
            {QStringLiteral("id"), line.info.colorID},
            {QStringLiteral("name"), line.info.colorName},
            {QStringLiteral("rgb"), hexColor(line.color)},
            {QStringLiteral("symbol_index"), line.info.charID},
            {QStringLiteral("full"), line.full},
            {QStringLiteral("quarters"), line.info.quarterStitchesCount},
            {QStringLiteral("back_units"), line.info.backStitchesCount},
            {QStringLiteral("knots"), line.knots},
            {QStringLiteral("count"), line.info.colorCount},
        });
    }
    return QJsonObject{
        {QStringLiteral("width"), design.width()},
        {QStringLiteral("height"), design.height()},
        {QStringLiteral("palette"), doc.colorsname()},
        {QStringLiteral("symbol_set"), symbolSetName(doc)},
        {QStringLiteral("font"), fontName(doc)},
        {QStringLiteral("background"), hexColor(colorRefFromColor32(doc.BackGroundColor))},
        {QStringLiteral("title"), doc.Title},
        {QStringLiteral("comment"), QJsonArray::fromStringList(doc.comment)},
        {QStringLiteral("stitch_length"), doc.len},
        {QStringLiteral("back_stitch_length"), doc.backlen},
        {QStringLiteral("base_length"), doc.baseLen},
        {QStringLiteral("used_colors"), doc.usedColors()},
        {QStringLiteral("back_stitches"), int(design.BackStitchList.size())},
        {QStringLiteral("french_knots"), int(design.FrenchKnotList.size())},
        {QStringLiteral("rhodes"), int(design.RhodeList.size())},
        {QStringLiteral("colors"), colors},
    };
}

QString DesignSummary::text(const QString& fileName, const Design& design)
{
    const TStitch& doc = design.stitch;
    QString t;
    t += QStringLiteral("File:          %1\n").arg(fileName);
    t += QStringLiteral("Size:          %1 x %2 cells\n").arg(design.width()).arg(design.height());
    t += QStringLiteral("Palette:       %1\n").arg(doc.colorsname());
    t += QStringLiteral("Symbol set:    %1 (font %2)\n").arg(symbolSetName(doc), fontName(doc));
    t += QStringLiteral("Background:    %1\n").arg(hexColor(colorRefFromColor32(doc.BackGroundColor)));
    t += QStringLiteral("Title:         %1\n").arg(doc.Title);
    for (const QString& line : doc.comment)
        t += QStringLiteral("Comment:       %1\n").arg(line);
    t += QStringLiteral("Thread:        %1 m per stitch, %2 m per back-stitch unit, %3 m per colour\n")
             .arg(doc.len)
             .arg(doc.backlen)
             .arg(doc.baseLen);
    t += QStringLiteral("Back stitches: %1\nFrench knots:  %2\nRhodes:        %3\n")
             .arg(design.BackStitchList.size())
             .arg(design.FrenchKnotList.size())
             .arg(design.RhodeList.size());
    t += QStringLiteral("Colours used:  %1\n").arg(doc.usedColors());
    const StitchCensus census(design);
    for (const StitchCensus::Line& line : census.lines()) {
        t += QStringLiteral("  %1  %2  %3  symbol %4  full %5  quarters %6  back %7  knots %8  count %9\n")
                 .arg(line.info.colorID, -8)
                 .arg(hexColor(line.color))
                 .arg(line.info.colorName, -24)
                 .arg(line.info.charID)
                 .arg(line.full)
                 .arg(line.info.quarterStitchesCount)
                 .arg(line.info.backStitchesCount)
                 .arg(line.knots)
                 .arg(line.info.colorCount);
    }
    return t;
}
