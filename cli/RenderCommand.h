#pragma once
#include "CliCommand.h"

// render DESIGN -o OUT.png [--zoom Z] [--grid] [--symbols] [--knitting]: the work view of the
// whole design as a picture, with the same pixels the program's view shows.
class RenderCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("render"); }
    QString synopsis() const override;
    int run(const QStringList& arguments, CliDelegate& delegate) override;

    // The largest picture it writes, in pixels.
    static constexpr qint64 kMaxPixels = 400'000'000;
};
