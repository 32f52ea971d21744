#pragma once
#include "imaging/TBitmap32.h"
#include <QList>
#include <QPair>
#include <QStringList>
#include <string>

// Layers as text pictures: one character per pixel, '.' for the background and a letter for
// each colour of `colors`. Writing sets pixels the way the layers store stitches.
namespace LayerPictures {
using Colors = QList<QPair<char, TColorRef>>;

void paint(TBitmap32& layer, const QStringList& rows, const Colors& colors, TColor32 background);
QStringList read(const TBitmap32& layer, const Colors& colors, TColor32 background);
// The picture as one line, rows separated by "|", for readable comparisons.
std::string text(const TBitmap32& layer, const Colors& colors, TColor32 background);
inline std::string text(const QStringList& rows) { return rows.join(QLatin1Char('|')).toStdString(); }
} // namespace LayerPictures
