#pragma once
// rnd(x): x to the nearest integer, an exact half going to the even neighbour. This is the
// rounding every stored rule of the program uses (rnd(0.7 * 5) = 4, rnd(0.7 * 15) = 10), so it
// is never qRound, which sends halves away from zero.
#include <cmath>

inline int rnd(double x)
{
    return int(std::nearbyint(x));
}
