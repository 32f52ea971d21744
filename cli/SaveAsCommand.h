#pragma once
#include "CliCommand.h"

// `save-as DESIGN OUT.qmk`: reads any design file the program opens and writes it as a design
// file, through the same open and save path as the window. The output is replaced only when every byte was written.
// Errors are one line on stderr and exit code 1; warnings of the load go to stderr too.
class SaveAsCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("save-as"); }
    QString synopsis() const override;
    int run(const QStringList& arguments, CliDelegate& delegate) override;
};
