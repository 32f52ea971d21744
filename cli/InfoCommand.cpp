#include "InfoCommand.h"
#include "CliArguments.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "HexColor.h"
#include "files/DesignFiles.h"
#include "model/Design.h"
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {
// One used colour with the stitches behind its count.
struct ColorLine
{
    TColorRef color = 0;
    TColorInfo info;
    int full = 0;
    int knots = 0;
};

// The used colours in palette order (orderID; ties keep table order).
QList<ColorLine> usedColors(const Design& design)
{
    QHash<TColorRef, int> full;
    for (int y = 0; y < design.height(); ++y) {
        for (int x = 0; x < design.width(); ++x) {
            if (!design.isEmptyCell(x, y))
                ++full[design.CrossLayer.canvasPixel(x, y)];
        }
    }
    QHash<TColorRef, int> knots;
    for (const TFrenchKnot& k : design.FrenchKnotList)
        ++knots[k.Color];
    QList<ColorLine> lines;
    for (const auto& [color, info] : design.stitch.Colors) {
        if (info.colorCount >= 1)
            lines.append({color, info, full.value(color), knots.value(color)});
    }
    std::stable_sort(lines.begin(), lines.end(),
        [](const ColorLine& a, const ColorLine& b) { return a.info.orderID < b.info.orderID; });
    return lines;
}

QString symbolSetName(const TStitch& doc)
{
    return doc.chars ? doc.chars->CharsName : QString();
}

QString fontName(const TStitch& doc)
{
    return doc.chars ? doc.chars->ffontname : QString();
}

QJsonObject infoJson(const Design& design)
{
    const TStitch& doc = design.stitch;
    QJsonArray colors;
    for (const ColorLine& line : usedColors(design)) {
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

QString infoText(const QString& fileName, const Design& design)
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
    for (const ColorLine& line : usedColors(design)) {
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
} // namespace

QString InfoCommand::synopsis() const
{
    return QStringLiteral("DESIGN [--json]  summary of a design file (size, palette, colours and their stitches)");
}

int InfoCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    QString error;
    const std::optional<CliArguments> args = CliArguments::parse(arguments, {}, {QStringLiteral("--json")}, &error);
    if (args && args->positional().size() != 1)
        error = QStringLiteral("needs exactly one design file");
    if (!error.isEmpty()) {
        delegate.err(QStringLiteral("threadwright-cli info: %1 (see threadwright-cli --help)").arg(error));
        return CommandProcessor::Usage;
    }
    const QString fileName = args->positional().first();
    CliSession session;
    const auto design = session.freshDesign();
    const auto translate = [&](const QString& text) { return design->stitch.translate(text); };
    const DesignFiles::LoadResult loaded = DesignFiles::load(fileName, *design);
    if (!loaded.status) {
        delegate.err(QStringLiteral("threadwright-cli: %1").arg(loaded.status.text(translate)));
        return CommandProcessor::Failed;
    }
    for (const Status& warning : loaded.warnings)
        delegate.err(QStringLiteral("threadwright-cli: warning: %1").arg(warning.text(translate)));
    if (args->has(QStringLiteral("--json")))
        delegate.out(QString::fromUtf8(QJsonDocument(infoJson(*design)).toJson(QJsonDocument::Indented)));
    else
        delegate.out(infoText(fileName, *design));
    return CommandProcessor::Success;
}
