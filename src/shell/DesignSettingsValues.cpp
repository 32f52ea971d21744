#include "shell/DesignSettingsValues.h"
#include "editing/HistoryFactories.h"
#include "editing/TChangePaletteAction.h"
#include "imaging/Rounding.h"
#include "model/ColorUsage.h"
#include "model/Design.h"
#include "model/DesignLimits.h"
#include "model/Translatable.h"
#include "shell/CatalogueChoices.h"
#include <cmath>

namespace {
QString commentText(const QStringList& lines)
{
    return lines.join(QLatin1Char('\n'));
}

QStringList commentLines(const QString& text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

double shownLength(double metres)
{
    return rnd(metres * 1000);
}

bool lengthAllowed(double mm)
{
    return std::isfinite(mm) && mm >= 0 && mm <= DesignSettingsValues::kMaxLength;
}
} // namespace

DesignSettingsValues::CountRange DesignSettingsValues::colorsCountRange(int usedColors)
{
    if (usedColors < 2)
        return {0, qMax(usedColors, 0), false};
    return {1, usedColors, true};
}

DesignSettingsValues DesignSettingsValues::read(const Design& design)
{
    const TStitch& doc = design.stitch;
    DesignSettingsValues v;
    v.Title = doc.Title;
    v.comment = commentText(doc.comment);
    if (CatalogueChoices::palettes(doc).contains(doc.colorsname()))
        v.palette = doc.colorsname();
    if (doc.chars && doc.characters.contains(doc.chars->CharsName))
        v.symbols = doc.chars->CharsName;
    v.background = colorRefFromColor32(doc.BackGroundColor);
    v.colorsCount = doc.usedColors();
    v.width = design.width();
    v.height = design.height();
    v.len = shownLength(doc.len);
    v.backLen = shownLength(doc.backlen);
    v.baseLen = shownLength(doc.baseLen);
    return v;
}

Status DesignSettingsValues::check(const Design& design, const DesignSettingsValues& shown) const
{
    if ((width != shown.width || height != shown.height) && !DesignLimits::sizeAllowed(width, height)) {
        return Status::error(TRANSLATABLE("A design must be 1 to %1 cells wide and high, with at most %2 cells."),
            {QString::number(DesignLimits::kMaxSide), QString::number(DesignLimits::kMaxCells)});
    }
    const double lengths[] = {len, backLen, baseLen};
    const double shownLengths[] = {shown.len, shown.backLen, shown.baseLen};
    for (int i = 0; i < 3; ++i) {
        if (lengths[i] != shownLengths[i] && !lengthAllowed(lengths[i]))
            return Status::error(TRANSLATABLE("A thread length must be from 0 to %1 mm."), {QString::number(kMaxLength)});
    }
    if (colorsCount != shown.colorsCount && colorsCount < 1)
        return Status::error(TRANSLATABLE("A design keeps at least one colour."));
    if (palette != shown.palette && !palette.isEmpty() && !TChangePaletteAction::canChange(design, palette))
        return Status::error(TRANSLATABLE("The palette %1 is not loaded or has no colors."), {palette});
    if (symbols != shown.symbols && !symbols.isEmpty() && !design.stitch.characters.contains(symbols))
        return Status::error(TRANSLATABLE("The symbol set %1 is not loaded."), {symbols});
    return Status::ok();
}

DesignSettingsValues::Outcome DesignSettingsValues::apply(Design& design, const DesignSettingsValues& shown) const
{
    Outcome outcome;
    outcome.refused = check(design, shown);
    if (!outcome.refused)
        return outcome;
    TStitch& doc = design.stitch;
    const int historyBefore = design.History.count();
    const auto changeField = [&](bool differs, const auto& store) {
        if (!differs)
            return;
        store();
        doc.Change();
        outcome.changed = true;
    };
    changeField(Title != shown.Title, [&] { doc.Title = Title; });
    changeField(comment != shown.comment, [&] { doc.comment = commentLines(comment); });
    changeField(len != shown.len, [&] { doc.len = len / 1000; });
    changeField(backLen != shown.backLen, [&] { doc.backlen = backLen / 1000; });
    changeField(baseLen != shown.baseLen, [&] { doc.baseLen = baseLen / 1000; });
    if (background != shown.background)
        doc.changeBackgroundColor(background);
    const bool symbolsChanged = symbols != shown.symbols && !symbols.isEmpty();
    changeField(symbolsChanged, [&] { doc.changeCharacters(doc.characters.at(symbols)); });
    if (palette != shown.palette && !palette.isEmpty())
        doc.changePalette(palette);
    if (colorsCount < shown.colorsCount)
        doc.reduceColors(colorsCount);
    if (width != shown.width || height != shown.height)
        HistoryFactories::actionChangeDimensions(design, width, height);
    outcome.changed = outcome.changed || design.History.count() != historyBefore;
    if (outcome.changed)
        ColorUsage::CalcColorUsage(design);
    if (symbolsChanged)
        outcome.notes = symbolNotes(design);
    return outcome;
}

// A colour keeps its symbol index when the set changes; a shorter set leaves it without one.
QList<Status> DesignSettingsValues::symbolNotes(const Design& design) const
{
    const TStitch& doc = design.stitch;
    const int available = doc.chars ? int(doc.chars->fcharacters.size()) : 0;
    int without = 0;
    for (const auto& [color, info] : doc.Colors) {
        if (info.colorCount >= 1 && info.charID >= available)
            ++without;
    }
    if (without == 0)
        return {};
    return {Status::error(
        TRANSLATABLE("%1 colours in use have no symbol in this set; use Change character ... to give them one."),
        {QString::number(without)})};
}
