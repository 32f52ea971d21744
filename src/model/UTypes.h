#pragma once
// The plain records of a design. Every subsystem, file format and window uses these field
// names, so one name means one value everywhere.
#include "imaging/ColorValues.h"
#include "model/OrderedMap.h"
#include <QPoint>
#include <QString>

// One entry of a colour table (of a design or of a palette).
struct TColorInfo
{
    QString colorName;
    QString colorID;              // the manufacturer's number, as text
    int colorCount = 0;           // stitch units of this colour in the design
    int quarterStitchesCount = 0;
    int backStitchesCount = 0;    // back-stitch length units (half-cell units)
    TColorRef matchColor = 0;     // the colour itself, or what it maps to in conversion tables
    int charID = -1;              // index of the symbol in the symbol string; -1: no symbol
    int Ord = 0;                  // position in the colour block of the last saved file
    int orderID = 0;              // position of the colour's line in its palette file

    bool operator==(const TColorInfo&) const = default;
};

// A colour table: thread colour value -> entry, in palette order.
using TColorTable = OrderedMap<TColorRef, TColorInfo>;

struct TSimpleColorInfo
{
    TColorRef color = 0;
    QString colorName;
    QString colorID;
    int charID = -1;
    int orderID = 0;

    bool operator==(const TSimpleColorInfo&) const = default;
};

// A back stitch between two points of the half-cell grid (0..2W x 0..2H).
struct TBackStitch
{
    QPoint FromPoint;
    QPoint ToPoint;
    TColorRef Color = 0;
    int Index = 0; // editor's working value, never stored in files

    bool operator==(const TBackStitch&) const = default;
};

// A french knot centred on a point of the half-cell grid.
struct TFrenchKnot
{
    QPoint Center;
    TColorRef Color = 0;
    int Index = 0;

    bool operator==(const TFrenchKnot&) const = default;
};

enum TFileMode { fmNew, fmOpen, fmConvert };
enum TBackGroundMode { bgmNormal, bgmCanvas };

// The longest stitch counted, in half-cell units: more than the diagonal of the largest design.
// A design file may hold stitches far off the design (an excerpt keeps them all), and their
// lengths are added up per colour.
constexpr int kMaxStitchLength = 1 << 17;

// Length of a stitch in half-cell units: floor of its euclidean length, at most kMaxStitchLength.
int stitchLength(const QPoint& from, const QPoint& to);
