#pragma once
#include "CliCommand.h"

// `palettes [--json]`: the thread palettes the program loads at start-up, in catalogue order.
// Plain output is one line per palette (key, number of colours, file); --json prints an array
// of {key, file, colors: [{id, name, rgb, symbol_index, order}]} with the colours in file order.
// Files that were skipped while loading are reported on stderr; the listing still succeeds.
class PalettesCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("palettes"); }
    QString synopsis() const override;
    int run(const QStringList& arguments, CliDelegate& delegate) override;
};
