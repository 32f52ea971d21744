#include "model/TRhode.h"

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
    int sum = 0;
    for (const TBackStitch& s : stitches)
        sum += stitchLength(s.FromPoint, s.ToPoint);
    return sum;
}

bool TRhode::sameContent(const TRhode& other) const
{
    return width == other.width && height == other.height && stitches == other.stitches
        && name == other.name && color == other.color && index == other.index
        && original == other.original;
}
