#pragma once
#include "CliCommand.h"

// `export DESIGN -o OUT [options]`: draws the pages `layout` lists for the same options into one
// PDF (OUT.pdf, on paper: --paper a4 at --dpi 1200 unless given) or one picture per page (.png,
// .jpg, .jpeg, .bmp: an image export). A page's number replaces the first '#' or "%d" of the
// file name, or goes before its extension, zero-padded to the digits of the page count. Prints
// each file written, one a line, in page order. Files appear only when every page is written;
// a failure leaves existing files untouched (exit code 1), wrong usage is exit code 2.
class ExportCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("export"); }
    QString synopsis() const override;
    int run(const QStringList& arguments, CliDelegate& delegate) override;
};
