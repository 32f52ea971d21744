#include "model/CMYKConversion.h"
#include "imaging/Rounding.h"
#include <algorithm>

TCMYK CMYKConversion::fromColor(TColorRef color)
{
    const double c = 1.0 - redOf(color) / 255.0;
    const double m = 1.0 - greenOf(color) / 255.0;
    const double y = 1.0 - blueOf(color) / 255.0;
    const double k = std::min({c, m, y});
    TCMYK result;
    result.RGBColor = color;
    result.K = rnd(k * 100.0);
    if (k != 1.0) {
        result.C = rnd((c - k) / (1.0 - k) * 100.0);
        result.M = rnd((m - k) / (1.0 - k) * 100.0);
        result.Y = rnd((y - k) / (1.0 - k) * 100.0);
    }
    return result;
}

TColorRef CMYKConversion::toColor(int c, int m, int y, int k)
{
    const double kf = k / 100.0;
    const int r = rnd((1.0 - (kf + c / 100.0 * (1.0 - kf))) * 255.0);
    const int g = rnd((1.0 - (kf + (1.0 - kf) * m / 100.0)) * 255.0);
    const int b = rnd((1.0 - (kf + (1.0 - kf) * y / 100.0)) * 255.0);
    return makeColorRef(r, g, b);
}

TCMYK CMYKConversion::correction(int c, int m, int y, int k)
{
    return TCMYK{c, m, y, k, toColor(c, m, y, k)};
}

QString CMYKConversion::text(const TCMYK& value)
{
    return QStringLiteral("%1,%2,%3,%4").arg(value.C).arg(value.M).arg(value.Y).arg(value.K);
}

QString CMYKConversion::hashText(TColorRef color)
{
    return QString::asprintf("#%02X%02X%02X", redOf(color), greenOf(color), blueOf(color));
}
