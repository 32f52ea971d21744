#pragma once
#include "CliCommand.h"

// render DESIGN -o OUT.png [--zoom Z] [--grid] [--symbols] [--knitting]: the work view of the
// whole design as a picture, with the same pixels the program's view shows. A PNG picture is
// painted and written in bands of cell rows, so its size never has to fit in memory whole; a
// picture beyond kMaxPixels is refused from the design file's head, before the design is read.
class RenderCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("render"); }
    QString synopsis() const override;
    int run(const QStringList& arguments, CliDelegate& delegate) override;

    // The largest picture it writes, in pixels.
    static constexpr qint64 kMaxPixels = 400'000'000;
    // About the memory one band of a streamed picture takes.
    static constexpr qint64 kBandBytes = 8 * 1024 * 1024;
};
