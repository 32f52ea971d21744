#pragma once
#include "preview/TBackRec.h"
#include <QPoint>
#include <optional>

// The placement rules of a back stitch between two points of the half-cell grid. The stitch is
// always read from its left end: the end with the smaller X, or FromPoint when both X are equal.
namespace BackStitchGeometry {
QPoint leftEnd(const QPoint& from, const QPoint& to);

// Length (in cells), angle and colour of a stitch; nothing for a stitch whose ends coincide,
// which has no direction and is not drawn.
std::optional<TBackRec> key(const QPoint& from, const QPoint& to, TColorRef color);
} // namespace BackStitchGeometry
