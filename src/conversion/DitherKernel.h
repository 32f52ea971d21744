#pragma once
#include <QString>
#include <vector>

// The error-diffusion methods in the order of the wizard's dithering list; None is the plain
// nearest-colour mapping.
enum class DitherMethod { None = 0, FloydSteinberg, JarvisJudiceNinke, Stucki, SierraLite };

// The neighbours that receive a share of a pixel's error, and how much: each share is
// (error x weight) / divisor, truncated toward zero.
struct DitherKernel
{
    struct Tap
    {
        int dx;
        int dy;
        int weight;
    };
    int divisor = 1;
    std::vector<Tap> taps;

    // The kernel of a method; None has no taps.
    static const DitherKernel& of(DitherMethod method);

    // Command-line names: none, floyd-steinberg, jarvis-judice-ninke, stucki, sierra-lite.
    static bool fromName(const QString& name, DitherMethod* method);
};
