#pragma once
#include <QImage>
#include <QSize>
#include <QString>

// A line of text as stitches: one stitch per pixel of the text drawn without smoothing at
// 96 dpi (10 points make a 13-pixel em whatever the screen's scaling), the baseline at the
// font's ascent. The mask is as wide as the larger of the text's advance and its ink's right
// edge, and as high as the font's line height; only the ink is stitched, so the thread colour
// (even white) never decides which pixels become stitches.
namespace TextStitches {
enum Style { styleRegular, styleBold, styleItalic, styleBoldItalic };

constexpr int kMinPoints = 1;
constexpr int kMaxPoints = 500;

// The ink of `text`: an image of Format_Alpha8 whose ink pixels are 255 and the rest 0. Null for
// an empty text or a size outside kMinPoints..kMaxPoints.
QImage render(const QString& text, const QString& family, int points, Style style);

// Whether the mask has at least one ink pixel.
bool hasInk(const QImage& mask);

// A point size typed by the user: the number, or 0 when it is not a whole number in range.
int pointsFrom(const QString& typed);
} // namespace TextStitches
