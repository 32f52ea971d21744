#include "conversion/TRGBMatrix.h"
#include "imaging/Rounding.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr float kRedLum = 0.3086f;
constexpr float kGreenLum = 0.6094f;
constexpr float kBlueLum = 0.0820f;

TFloatRGBMatrix diagonal(float a, float b, float c)
{
    TFloatRGBMatrix m = TRGBMatrix::identity();
    m[0][0] = a;
    m[1][1] = b;
    m[2][2] = c;
    return m;
}

// The rotations and the shear of the hue rotation, for row vectors: each acts after what the
// matrix it is appended to already does.
TFloatRGBMatrix xRotation(float s, float c)
{
    TFloatRGBMatrix m = TRGBMatrix::identity();
    m[1][1] = c;
    m[1][2] = s;
    m[2][1] = -s;
    m[2][2] = c;
    return m;
}

TFloatRGBMatrix yRotation(float s, float c)
{
    TFloatRGBMatrix m = TRGBMatrix::identity();
    m[0][0] = c;
    m[0][2] = -s;
    m[2][0] = s;
    m[2][2] = c;
    return m;
}

TFloatRGBMatrix zRotation(float s, float c)
{
    TFloatRGBMatrix m = TRGBMatrix::identity();
    m[0][0] = c;
    m[0][1] = s;
    m[1][0] = -s;
    m[1][1] = c;
    return m;
}

TFloatRGBMatrix zShear(float dx, float dy)
{
    TFloatRGBMatrix m = TRGBMatrix::identity();
    m[0][2] = dx;
    m[1][2] = dy;
    return m;
}

TFloatRGBMatrix after(const TFloatRGBMatrix& m, const TFloatRGBMatrix& n)
{
    return TRGBMatrix::MatrixMultiply(n, m);
}

// Rotates hues about the grey axis while keeping the luminance of every colour: the grey axis
// is turned onto z, the plane of equal luminance is sheared flat, z is rotated, and the shear
// and the turn are undone.
TFloatRGBMatrix hueRotation(float angle)
{
    const float s2 = float(1 / std::sqrt(2.0));
    const float ys = float(-1 / std::sqrt(3.0));
    const float yc = float(std::sqrt(2.0) / std::sqrt(3.0));
    TFloatRGBMatrix h = after(TRGBMatrix::identity(), xRotation(s2, s2));
    h = after(h, yRotation(ys, yc));
    const float lx = kRedLum * h[0][0] + kGreenLum * h[1][0] + kBlueLum * h[2][0];
    const float ly = kRedLum * h[0][1] + kGreenLum * h[1][1] + kBlueLum * h[2][1];
    const float lz = kRedLum * h[0][2] + kGreenLum * h[1][2] + kBlueLum * h[2][2];
    const float zsx = lx / lz;
    const float zsy = ly / lz;
    h = after(h, zShear(zsx, zsy));
    const double radians = angle * std::numbers::pi / 180;
    h = after(h, zRotation(float(std::sin(radians)), float(std::cos(radians))));
    h = after(h, zShear(-zsx, -zsy));
    h = after(h, yRotation(-ys, yc));
    return after(h, xRotation(-s2, s2));
}
} // namespace

TRGBMatrix::TRGBMatrix() : fmatrix(identity()) {}

TFloatRGBMatrix TRGBMatrix::identity()
{
    TFloatRGBMatrix m{};
    for (int i = 0; i < 4; ++i)
        m[size_t(i)][size_t(i)] = 1;
    return m;
}

TFloatRGBMatrix TRGBMatrix::MatrixMultiply(const TFloatRGBMatrix& A, const TFloatRGBMatrix& B)
{
    TFloatRGBMatrix t{};
    for (size_t y = 0; y < 4; ++y) {
        for (size_t x = 0; x < 4; ++x) {
            float sum = 0;
            for (size_t k = 0; k < 4; ++k)
                sum += B[y][k] * A[k][x];
            t[y][x] = sum;
        }
    }
    return t;
}

void TRGBMatrix::notify()
{
    fchanged = true;
    if (OnChange)
        OnChange();
}

void TRGBMatrix::append(const TFloatRGBMatrix& n)
{
    fmatrix = MatrixMultiply(n, fmatrix);
    notify();
}

void TRGBMatrix::prepend(const TFloatRGBMatrix& n)
{
    fmatrix = MatrixMultiply(fmatrix, n);
    notify();
}

void TRGBMatrix::Reset()
{
    fmatrix = identity();
    notify();
}

void TRGBMatrix::ChangeContrast(int percent)
{
    const float a = float(percent) * 0.01f;
    const float t = float(100 - percent);
    TFloatRGBMatrix c = diagonal(a, a, a);
    c[3] = {t, t, t, 1};
    append(c);
}

void TRGBMatrix::ChangeRGBOffset(int r, int g, int b)
{
    TFloatRGBMatrix o = identity();
    o[3] = {float(r), float(g), float(b), 1};
    append(o);
}

void TRGBMatrix::ChangeBrightness(float percent)
{
    const float k = percent * 0.01f;
    append(diagonal(k, k, k));
}

void TRGBMatrix::ChangeSaturation(float percent)
{
    const float s = percent * 0.01f;
    const float r = kRedLum * (1 - s);
    const float g = kGreenLum * (1 - s);
    const float b = kBlueLum * (1 - s);
    const TFloatRGBMatrix t{{{r + s, r, r, 0}, {g, g + s, g, 0}, {b, b, b + s, 0}, {0, 0, 0, 1}}};
    prepend(t);
}

void TRGBMatrix::ChangeHue(float Angle)
{
    append(hueRotation(Angle));
}

void TRGBMatrix::MakeGray()
{
    const TFloatRGBMatrix g{{{kRedLum, kRedLum, kRedLum, 0},
        {kGreenLum, kGreenLum, kGreenLum, 0},
        {kBlueLum, kBlueLum, kBlueLum, 0},
        {0, 0, 0, 1}}};
    append(g);
}

void TRGBMatrix::Sepia()
{
    constexpr float weights[3][3] = {{0.393f, 0.349f, 0.272f}, {0.769f, 0.686f, 0.534f}, {0.189f, 0.168f, 0.131f}};
    constexpr float columnFactor[3] = {1.12f, 1.05f, 1.02f};
    constexpr float rowDivisor[3] = {1.351f, 1.203f, 2.14f};
    TFloatRGBMatrix p = identity();
    for (size_t row = 0; row < 3; ++row) {
        for (size_t col = 0; col < 3; ++col)
            p[row][col] = weights[row][col] * columnFactor[col] / rowDivisor[row];
    }
    append(p);
}

bool TRGBMatrix::IsMatrixIdent() const
{
    return fmatrix == identity();
}

void TRGBMatrix::CalcLutTable()
{
    for (size_t r = 0; r < 4; ++r) {
        for (size_t c = 0; c < 4; ++c) {
            for (int v = 0; v < 256; ++v)
                LUTTable[r][c][size_t(v)] = rnd(v * double(fmatrix[r][c]));
        }
    }
    for (size_t c = 0; c < 3; ++c) {
        const int offset = rnd(fmatrix[3][c]);
        for (int& entry : LUTTable[2][c])
            entry += offset;
    }
    fchanged = false;
}

TColor32 TRGBMatrix::mapped(TColor32 color) const
{
    const size_t r = (color >> 16) & 0xFF;
    const size_t g = (color >> 8) & 0xFF;
    const size_t b = color & 0xFF;
    TColor32 result = color & 0xFF000000u;
    for (size_t c = 0; c < 3; ++c) {
        const int v = std::clamp(LUTTable[0][c][r] + LUTTable[1][c][g] + LUTTable[2][c][b], 0, 255);
        result |= TColor32(v) << (16 - 8 * c);
    }
    return result;
}

void TRGBMatrix::ApplyToBitmap32(TBitmap32& bitmap)
{
    if (bitmap.empty())
        return;
    if (fchanged)
        CalcLutTable();
    for (int y = 0; y < bitmap.height(); ++y) {
        TColor32* line = bitmap.scanLine(y);
        for (int x = 0; x < bitmap.width(); ++x)
            line[x] = mapped(line[x]);
    }
}

void TRGBMatrix::GetColor(TColor32& color)
{
    if (fchanged)
        CalcLutTable();
    color = mapped(color);
}
