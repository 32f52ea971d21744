#include "files/TSTVFile.h"

const TPixelInfo* TSTVFile::colorOf(quint8 index) const
{
    return index < Colors.size() ? &Colors[index] : nullptr;
}

qint64 TSTVFile::cellsWithoutColor() const
{
    qint64 count = 0;
    for (const quint8 index : Pixels) {
        if (index >= Colors.size())
            ++count;
    }
    return count;
}
