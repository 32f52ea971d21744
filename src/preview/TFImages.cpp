#include "preview/TFImages.h"
#include <algorithm>
#include <cmath>
#include <numbers>

// Each texture is a function of the pixel position alone, evaluated at pixel centres, with a
// small integer hash standing in for the unevenness of real thread: no random generator, no
// state, so every run and every machine makes the same bytes.
namespace {
constexpr double kPi = std::numbers::pi;

TColor32 grey(double value)
{
    const int v = std::clamp(int(std::lround(value)), 0, 255);
    return 0xFF000000u | (TColor32(v) << 16) | (TColor32(v) << 8) | TColor32(v);
}

// -1 .. 1, fixed for a pixel and a seed.
double grain(int x, int y, quint32 seed)
{
    quint32 h = quint32(x) * 0x8DA6B343u ^ quint32(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return double(h & 0xFFFF) / 32767.5 - 1.0;
}

// Brightness of a twisted strand at `across` (-1 .. 1 from edge to edge) and `along` (pixels):
// rounded so that the edges are darker, with slanted ply lines of the twist.
double strandShade(double across, double along, double plyPeriod)
{
    const double round = 1.0 - across * across;
    const double ply = 0.5 + 0.5 * std::cos(2 * kPi * (along + across * plyPeriod * 0.6) / plyPeriod);
    return 150.0 + 105.0 * std::sqrt(std::max(round, 0.0)) - 22.0 * ply * round;
}

TBitmap32 fabric()
{
    const int n = TFImages::kSize;
    TBitmap32 image(n, n);
    const double threadPitch = n / 4.0;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            // Holes sit on the cell corners, half a pixel beyond the edge, so four tiles make one.
            const double hx = std::min(x + 0.5, n - 0.5 - x);
            const double hy = std::min(y + 0.5, n - 0.5 - y);
            const double hole = std::hypot(hx, hy);
            const double wx = std::cos(2 * kPi * (x + 0.5) / threadPitch);
            const double wy = std::cos(2 * kPi * (y + 0.5) / threadPitch);
            // Over and under: in alternate blocks the warp or the weft lies on top.
            const bool warpOnTop = ((int((x + 0.5) / threadPitch) + int((y + 0.5) / threadPitch)) & 1) != 0;
            const double ridge = warpOnTop ? wx : wy;
            double v = 238.0 + 14.0 * ridge + 4.0 * grain(x, y, 1);
            if (hole < 9.0)
                v = 196.0 + 40.0 * std::max(0.0, hole - 6.0) / 3.0 + 3.0 * grain(x, y, 2);
            image.setPixel(x, y, grey(std::min(v, 255.0)));
        }
    }
    return image;
}

// A strand from corner to corner of an n x n square; `rising` from bottom-left to top-right,
// `widen` its width for the shadow it casts. Returns the distance across (-1 .. 1) and along
// (pixels), or false outside the strand.
bool diagonalStrand(int n, int x, int y, bool rising, double widen, double& across, double& along)
{
    const double cx = x + 0.5 - n / 2.0;
    const double cy = y + 0.5 - n / 2.0;
    const double s = std::numbers::sqrt2 / 2;
    const double a = rising ? (cx + cy) * s : (cx - cy) * s;
    const double t = rising ? (cx - cy) * s : (cx + cy) * s;
    const double halfLength = n * std::numbers::sqrt2 / 2 - n * 0.04;
    if (std::abs(t) > halfLength)
        return false;
    // The strand narrows towards the holes it goes into.
    const double halfWidth = widen * n * (0.16 - 0.06 * std::abs(t) / halfLength);
    if (std::abs(a) >= halfWidth)
        return false;
    across = a / halfWidth;
    along = t;
    return true;
}

TBitmap32 cross(int n)
{
    TBitmap32 image(n, n, TFImages::kMagenta);
    const double ply = n / 9.0;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            double across = 0, along = 0;
            if (diagonalStrand(n, x, y, true, 1.0, across, along)) {
                image.setPixel(x, y, grey(strandShade(across, along, ply) + 3.0 * grain(x, y, 3)));
            } else if (diagonalStrand(n, x, y, false, 1.0, across, along)) {
                // The lower leg lies in the shadow of the upper one beside it.
                double a = 0, t = 0;
                const double shadow = diagonalStrand(n, x, y, true, 1.4, a, t) ? 40.0 : 0.0;
                image.setPixel(x, y, grey(strandShade(across, along, ply) - shadow + 3.0 * grain(x, y, 4)));
            }
        }
    }
    return image;
}

TBitmap32 frenchKnot()
{
    const int n = TFImages::kSize;
    TBitmap32 image(n, n, TFImages::kMagenta);
    const double radius = n * 0.33;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const double dx = x + 0.5 - n / 2.0, dy = y + 0.5 - n / 2.0;
            const double r = std::hypot(dx, dy) / radius;
            if (r >= 1.0)
                continue;
            // A ball lit from the top left, with the thread wrapped round it in turns.
            const double light = std::sqrt(1.0 - r * r) * 0.75 + 0.25 * std::max(0.0, -(dx + dy) / (radius * 1.5));
            const double turn = 0.5 + 0.5 * std::cos(std::atan2(dy, dx) * 3.0 + r * 9.0);
            image.setPixel(x, y, grey(150.0 + 105.0 * std::min(light, 1.0) - 24.0 * turn * (1.0 - r) + 3.0 * grain(x, y, 5)));
        }
    }
    return image;
}

// A strand across the middle; with `domed`, it stops short of both sides in round ends.
TBitmap32 horizontalStrand(bool domed)
{
    const int n = TFImages::kSize;
    TBitmap32 image(n, n, TFImages::kMagenta);
    const double halfHeight = n * 0.14;
    const double left = 4.0, right = n - 4.0;
    // The ply lines repeat a whole number of times across, so middle pieces join seamlessly.
    const double ply = n / 8.0;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const double px = x + 0.5, dy = y + 0.5 - n / 2.0;
            if (std::abs(dy) >= halfHeight)
                continue;
            if (domed) {
                const double bulge = halfHeight - std::sqrt(halfHeight * halfHeight - dy * dy);
                if (px < left + bulge || px > right - bulge)
                    continue;
            }
            image.setPixel(x, y, grey(strandShade(dy / halfHeight, px, ply) + 3.0 * grain(x % n, y, domed ? 6 : 7)));
        }
    }
    return image;
}
} // namespace

TFImages::TFImages()
    : ImageBackGround(fabric())
    , ImageCross(cross(kSize))
    , ImageQuarter(cross(kQuarterSize))
    , ImageFrenchKnot(frenchKnot())
    , ImageBack(horizontalStrand(true))
    , ImageBackM(horizontalStrand(false))
{
}

const TFImages& TFImages::instance()
{
    static const TFImages images;
    return images;
}
