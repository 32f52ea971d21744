#pragma once
#include "imaging/TBitmap32.h"
#include <array>
#include <functional>

// Rows and columns 0, 1, 2 stand for red, green and blue; row 3 holds the offsets.
using TFloatRGBMatrix = std::array<std::array<float, 4>, 4>;

// A colour matrix M acting on row vectors: output = (R, G, B, 1) x M, each channel clamped to
// 0..255. The operations that change M combine a new matrix with it, either after the existing
// operations (M := M x N) or before them (M := N x M), and call OnChange.
//
// Pixels are mapped through lookup tables: LUTTable[r][c][v] is rnd(v x M[r][c]), with the
// offsets rnd(M[3][c]) folded into the blue-input tables, so a pixel costs nine look-ups and no
// floating point. The tables are rebuilt only when M has changed since they were computed.
class TRGBMatrix
{
public:
    TRGBMatrix();

    std::function<void()> OnChange;

    void Reset();
    // Contrast pivots about the value 100: scale a = percent / 100, offset 100 - percent.
    void ChangeContrast(int percent);
    void ChangeRGBOffset(int r, int g, int b);
    void ChangeBrightness(float percent);
    void ChangeSaturation(float percent);
    void ChangeHue(float Angle);
    void MakeGray();
    void Sepia();

    bool IsMatrixIdent() const;
    void CalcLutTable();
    void ApplyToBitmap32(TBitmap32& bitmap);
    void GetColor(TColor32& color);

    const TFloatRGBMatrix& matrix() const { return fmatrix; }
    bool changed() const { return fchanged; }

    static TFloatRGBMatrix identity();
    // MatrixMultiply(A, B) = B x A: T[y][x] = sum over k of B[y][k] x A[k][x], in single floats.
    static TFloatRGBMatrix MatrixMultiply(const TFloatRGBMatrix& A, const TFloatRGBMatrix& B);

private:
    void append(const TFloatRGBMatrix& n);
    void prepend(const TFloatRGBMatrix& n);
    void notify();
    TColor32 mapped(TColor32 color) const;

    using Table = std::array<int, 256>;
    std::array<std::array<Table, 4>, 4> LUTTable{};
    TFloatRGBMatrix fmatrix;
    bool fchanged = true;
};
