#pragma once
#include <QColor>
#include <QImage>

class TPreview;

// The print dialog's miniature of the page table: one box per page, at its place in the table,
// coloured by what the page carries and numbered in blue.
namespace PageMiniature {
// The legend's colours.
inline const QColor kTitle{0xFF, 0x75, 0xB4};
inline const QColor kComment{0x11, 0x88, 0xFF};
inline const QColor kPattern{0x13, 0xB6, 0x01};
inline const QColor kKey{0xFF, 0xDE, 0x24};
inline const QColor kBackStitches{0x8B, 0xAC, 0x2D};
inline const QColor kExtra{0x99, 0x99, 0x99};
inline const QColor kStitchSteps{0xE5, 0xE5, 0xE5};
inline const QColor kLabels{0xFF, 0x82, 0x00};

// Draws the calculated layout into `image` (cleared to white first).
void draw(QImage& image, const TPreview& layout);
} // namespace PageMiniature
