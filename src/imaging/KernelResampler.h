#pragma once
#include "imaging/TBitmap32.h"
#include <QRect>
#include <QSize>

// Scaled copies of a raster through a Hamming-windowed sinc kernel: every scaled copy the
// conversion makes (the zoomed view, the crop, the adjusted picture, the picture at the design
// size) goes through here, so the wizard and the command line give the same pixels.
//
// The kernel is evaluated exactly for every tap (no table). When a picture is made smaller the
// kernel is stretched by the reduction factor, so every source pixel counts; source pixels
// beyond the edges are the edge pixels repeated. The four channels, alpha included, are
// filtered alike. Weights are normalised and held as integers of 1/16384, with the rounding
// left-over given to the largest weight, so a uniform picture stays exactly uniform, and a copy
// at the same size and whole-pixel offset is exact. Rows are filtered first, then columns; all
// sums are integers, so the result does not depend on the order of the work. Bands of target
// rows are shared out among the machine's cores.
class KernelResampler
{
public:
    static constexpr double kKernelWidth = 3.0;

    // sinc(x) * (0.54 + 0.46 cos(pi x / 3)) for |x| < 3, otherwise 0; sinc(0) = 1.
    static double HammingSinc(double x);

    // Draws the part `sourceRect` of the source, scaled, over the whole target, which keeps its
    // size. An empty rectangle or target leaves the target as it is.
    static void Resample(const TBitmap32& source, const QRect& sourceRect, TBitmap32& target);

    // The whole source at a new size. Throws std::bad_alloc when the raster cannot be made.
    static TBitmap32 scaled(const TBitmap32& source, const QSize& size);
};
