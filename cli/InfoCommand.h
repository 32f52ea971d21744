#pragma once
#include "CliCommand.h"

// `info DESIGN [--json]`: opens a design file as the window does and prints its
// summary. --json prints one object: width, height, palette, symbol_set, font, background,
// title, comment, stitch_length, back_stitch_length, base_length, used_colors, back_stitches,
// french_knots, rhodes, and colors (the used colours in palette order, each with id, name,
// rgb, symbol_index, full, quarters, back_units, knots, count). Without it, a readable summary.
// A file that cannot be opened is one line on stderr and exit code 1; warnings of a load that
// succeeded go to stderr too.
class InfoCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("info"); }
    QString synopsis() const override;
    int run(const QStringList& arguments, CliDelegate& delegate) override;
};
