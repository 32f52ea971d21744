#pragma once
#include "imaging/ColorValues.h"
#include <QHashFunctions>
#include <cstring>

// What a rotated back-stitch image depends on at one cell size: length in cells, angle in
// degrees (-90 to 90, positive when the stitch falls to the right) and thread colour. Equal
// stitches compute bit-equal values, so the values compare exactly.
struct TBackRec
{
    double length = 0;
    double angle = 0;
    TColorRef color = 0;

    bool operator==(const TBackRec&) const = default;
};

inline size_t qHash(const TBackRec& key, size_t seed = 0)
{
    quint64 length = 0, angle = 0;
    std::memcpy(&length, &key.length, sizeof length);
    std::memcpy(&angle, &key.angle, sizeof angle);
    return qHashMulti(seed, length, angle, key.color);
}
