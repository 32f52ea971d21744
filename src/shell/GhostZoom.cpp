#include "shell/GhostZoom.h"
#include "imaging/Rounding.h"
#include <algorithm>
#include <cmath>

double GhostZoom::scale(int position)
{
    return position * 0.01 + 0.02;
}

int GhostZoom::fitPosition(const QSize& view, const QSize& picture)
{
    if (picture.isEmpty())
        return kOneToOne;
    const double fit = std::min(double(view.height()) / picture.height(), double(view.width()) / picture.width());
    return std::clamp(int(std::floor((fit - 0.02) * 100)), kMinPosition, kMaxPosition);
}

GhostZoom::Scroll GhostZoom::scroll(int view, int picture, double scale, int position)
{
    Scroll s;
    const double scaled = picture * scale;
    s.enabled = view < scaled;
    if (!s.enabled)
        return s;
    s.maximum = rnd(scaled);
    s.page = view;
    s.position = position + view > scaled ? s.maximum - view : position;
    return s;
}

QString GhostZoom::label(double scale, const QLocale& locale)
{
    return locale.toString(scale * 100, 'f', 1) + QLatin1Char('%');
}
