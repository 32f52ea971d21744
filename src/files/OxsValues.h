#pragma once
#include "imaging/ColorValues.h"
#include <QString>
#include <QStringView>
#include <optional>

// The values of Open Cross Stitch attributes, read the way files in the wild write them, and
// written the one way this program does.
namespace OxsValues {
// A number with blanks around it, "," or "." as the decimal mark and an optional exponent;
// nothing else, and nothing that is not finite.
std::optional<double> number(QStringView text);
// "true" or "false" in any case.
std::optional<bool> flag(QStringView text);
// "RRGGBB", or magenta for "nil", a missing or an unreadable colour.
TColorRef color(QStringView text);
QString colorText(TColorRef color);

// The nearest half-cell point of a position in cells, within OxsFile::kFarAway of the origin;
// `moved` is set when the position was not on a half-cell point.
int halfPoint(double cells, bool* moved);
// A number in the C locale, as short as reads back the same.
QString numberText(double value);

// The last word of a thread number with any "[+]" taken out, and the words before it.
QString threadNumber(const QString& written);
QString threadBrand(const QString& written);

// The text without the characters XML 1.0 cannot hold.
QString xmlText(const QString& text);
} // namespace OxsValues
