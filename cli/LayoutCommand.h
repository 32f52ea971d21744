#pragma once
#include "CliCommand.h"

// `layout DESIGN --json [options]`: the page table the print layout makes for a design under
// the given print or image-export options, so that a print or an export can be checked page by
// page without drawing it. --json prints one object with the sizes, the pages left after page
// selection, the key entries in print order and, when selected, the stitch steps; without it a
// readable table. A design that cannot be read, or a page on which no layout can be made, is
// one line on stderr and exit code 1; wrong usage exit code 2.
class LayoutCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("layout"); }
    QString synopsis() const override;
    int run(const QStringList& arguments, CliDelegate& delegate) override;
};
