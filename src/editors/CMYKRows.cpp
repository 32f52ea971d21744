#include "editors/CMYKRows.h"
#include "model/CMYKConversion.h"
#include "model/CommaText.h"
#include "model/TStitch.h"
#include <algorithm>

QList<TCMYKColor> CMYKRows::build(const TStitch& doc)
{
    QList<TCMYKColor> rows;
    rows.reserve(doc.Colors.size());
    for (const auto& [color, info] : doc.Colors) {
        TCMYKColor row;
        row.Color = color;
        if (doc.chars)
            row.Symbol = doc.chars->symbolOf(info.charID).value_or(QChar());
        row.Name = info.colorName;
        row.ID = info.orderID;
        row.RGBColor = CMYKConversion::hashText(color);
        row.CMYKColor = CMYKConversion::text(CMYKConversion::fromColor(color));
        if (const TCMYK* correction = doc.CMYK.find(color32FromColorRef(color))) {
            row.NewCMYKColor = CMYKConversion::text(*correction);
            row.NewRGBColor = CMYKConversion::hashText(correction->RGBColor);
        }
        rows << row;
    }
    std::stable_sort(rows.begin(), rows.end(), [](const TCMYKColor& a, const TCMYKColor& b) { return a.ID < b.ID; });
    return rows;
}

std::optional<TCMYK> CMYKRows::parse(const QString& text)
{
    const QStringList parts = splitCommaText(text);
    if (parts.size() != 4)
        return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok, 10);
        if (!ok || values[i] < 0 || values[i] > 100)
            return std::nullopt;
    }
    return CMYKConversion::correction(values[0], values[1], values[2], values[3]);
}

void CMYKRows::commit(TCMYKColor& row, const QString& text, TCMYKMap& corrections)
{
    const TColor32 key = color32FromColorRef(row.Color);
    const std::optional<TCMYK> correction = parse(text);
    if (!correction) {
        row.NewCMYKColor.clear();
        row.NewRGBColor.clear();
        corrections.remove(key);
        return;
    }
    corrections.insert(key, *correction);
    row.NewCMYKColor = text;
    row.NewRGBColor = CMYKConversion::hashText(correction->RGBColor);
}
