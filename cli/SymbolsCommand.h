#pragma once
#include "CliCommand.h"

// `symbols [--json]`: the symbol sets the program loads at start-up, in catalogue order. Plain
// output is one line per set (name, number of symbols, font, file); --json prints an array of
// {name, description, font, charset, file, codes}, where codes are the UTF-16 codes of the
// symbol characters in order. Files that were skipped while loading are reported on stderr.
class SymbolsCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("symbols"); }
    QString synopsis() const override;
    int run(const QStringList& arguments, CliDelegate& delegate) override;
};
