#pragma once
#include "CliCommand.h"

// `convert PICTURE -o OUT.qmk [options]`: turns a picture into a design file with the steps of
// the conversion wizard (crop of the whole picture, brightness and contrast, the size rule or an
// exact size, palette matching, reduction to the maximum number of colours, optional
// dithering), and writes it with the program's design file writer. Unset options take the
// wizard's starting values; the palette and symbol set default to the settings' defaults, and
// the maximum number of colours to what the wizard proposes (the colours the picture matches,
// limited by the symbols of the set and the "maxColors" setting).
//
// --knitting is accepted for scripts that name the cell shape: the application mode is not
// part of a design file, so the file is the same either way.
class ConvertCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("convert"); }
    QString synopsis() const override;
    int run(const QStringList& arguments, CliDelegate& delegate) override;
};
