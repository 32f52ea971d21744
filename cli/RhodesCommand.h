#pragma once
#include "CliCommand.h"

// `rhodes [--json]`: the rhodes shapes as the start-up loads them (the user's own rhodes file
// when it exists, else the shipped one, with shipped shapes the user's file lacks appended), in
// library order. Plain output is one line per shape (name, box size, number of stitches,
// "original" or "own", file); --json prints an array of {name, width, height, original,
// stitches: [{fromx, fromy, tox, toy}], file}, where file is the file the shape was read from.
// A rhodes file that cannot be read is reported on stderr; the listing still succeeds.
class RhodesCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("rhodes"); }
    QString synopsis() const override;
    int run(const QStringList& arguments, CliDelegate& delegate) override;
};
