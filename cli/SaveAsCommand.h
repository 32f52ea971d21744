#pragma once
#include "CliCommand.h"

// `save-as DESIGN OUT`: reads any design file the program opens, through the same open path as
// the window, and writes it with the writer that OUT's extension names (".qmk" through the
// window's save path, or ".oxs"; any other is a usage error). The output is replaced only when
// every byte was written.
// Errors are one line on stderr and exit code 1; warnings of the load go to stderr too.
class SaveAsCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("save-as"); }
    QString synopsis() const override;
    int run(const QStringList& arguments, CliDelegate& delegate) override;
};
