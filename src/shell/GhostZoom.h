#pragma once
#include <QLocale>
#include <QSize>
#include <QString>

// The zoom of the shadow picture's own window: a scroll bar position 1..500 gives the scale,
// position 98 being 1:1, and the scroll bars beside the picture follow from the scale.
namespace GhostZoom {
constexpr int kMinPosition = 1;
constexpr int kMaxPosition = 500;
constexpr int kOneToOne = 98;

// position x 0.01 + 0.02: 0.03 .. 5.02.
double scale(int position);

// The position that fits the whole picture into the view, kept inside the range.
int fitPosition(const QSize& view, const QSize& picture);

// A scroll bar beside the picture: usable only when the scaled picture is longer than the view.
struct Scroll
{
    bool enabled = false;
    int maximum = 0;
    int page = 0;
    int position = 0;
};
Scroll scroll(int view, int picture, double scale, int position);

// The zoom in percent with one decimal in the user's notation, e.g. "100.0%".
QString label(double scale, const QLocale& locale = QLocale());
} // namespace GhostZoom
