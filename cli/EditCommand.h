#pragma once
#include "CliCommand.h"

// `edit (DESIGN | --new WxH [--palette KEY] [--symbols NAME]) -o OUT.qmk STEP...`: opens a
// design (or starts a new one as the window's "New" does), runs the steps (EditSteps) on the
// window's tool objects, and writes OUT through the window's save path. It prints
// "OUT: W x H cells, N undo records", N being the records that can be undone. A malformed step
// is a usage error naming its number (exit 2), checked before any step runs; a step that fails,
// such as a colour the palette does not have, exits 1 without writing OUT.
class EditCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("edit"); }
    QString synopsis() const override;
    int run(const QStringList& arguments, CliDelegate& delegate) override;
};
