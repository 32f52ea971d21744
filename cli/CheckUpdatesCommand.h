#pragma once
#include "CliCommand.h"

// check-updates: asks the update server for its list and compares it with the installed
// version, as the program's update check does, without moving the date of the next check.
class CheckUpdatesCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("check-updates"); }
    QString synopsis() const override;
    int run(const QStringList& arguments, CliDelegate& delegate) override;
};
