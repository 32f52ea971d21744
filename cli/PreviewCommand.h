#pragma once
#include "CliCommand.h"

// preview DESIGN -o OUT.png|OUT.jpg [--zoom Z] [--knitting]: the real preview of the whole
// design, rendered in bands and streamed to the file; prints nothing on success.
class PreviewCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("preview"); }
    QString synopsis() const override;
    int run(const QStringList& arguments, CliDelegate& delegate) override;

    // The largest picture it writes, in pixels.
    static constexpr qint64 kMaxPixels = 400'000'000;
};
