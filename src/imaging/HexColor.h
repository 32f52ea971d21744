#pragma once
#include "imaging/ColorValues.h"
#include <QString>

// A colour as summaries print it: "#RRGGBB" in capitals.
inline QString hexColor(TColorRef c)
{
    return QStringLiteral("#%1%2%3")
        .arg(redOf(c), 2, 16, QLatin1Char('0'))
        .arg(greenOf(c), 2, 16, QLatin1Char('0'))
        .arg(blueOf(c), 2, 16, QLatin1Char('0'))
        .toUpper();
}
