#include "model/Design.h"

Design::Design()
    : stitch(this)
    , History(*this)
{
}

void Design::allocateLayers(int width, int height)
{
    CrossLayer.SetSize(width, height);
    CrossLayer.fill(stitch.BackGroundColor);
    QuarterLayer.SetSize(2 * width, 2 * height);
    QuarterLayer.fill(stitch.BackGroundColor);
}
