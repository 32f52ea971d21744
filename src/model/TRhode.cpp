#include "model/TRhode.h"
#include <limits>

std::shared_ptr<TRhode> TRhode::Clone() const
{
    auto copy = std::make_shared<TRhode>();
    copy->width = width;
    copy->height = height;
    copy->stitches = stitches;
    copy->name = name;
    copy->color = color;
    copy->index = index;
    return copy;
}

int TRhode::totalLength() const
{
    qint64 sum = 0;
    for (const TBackStitch& s : stitches)
        sum += stitchLength(s.FromPoint, s.ToPoint);
    return int(qMin<qint64>(sum, std::numeric_limits<int>::max()));
}

bool TRhode::sameContent(const TRhode& other) const
{
    return width == other.width && height == other.height && stitches == other.stitches
        && name == other.name && color == other.color && index == other.index
        && original == other.original;
}
