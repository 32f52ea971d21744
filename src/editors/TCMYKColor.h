#pragma once
#include "imaging/ColorValues.h"
#include <QChar>
#include <QString>

// One row of the print colour corrections table: a colour of the design with its computed
// print value and its correction, as texts ("#RRGGBB", "C,M,Y,K"; empty without a correction).
struct TCMYKColor
{
    TColorRef Color = 0;
    QChar Symbol;
    QString Name;
    int ID = 0;
    QString RGBColor;
    QString CMYKColor;
    QString NewRGBColor;
    QString NewCMYKColor;
};
