#pragma once
#include <QString>
#include <QStringList>

class CliDelegate;

// One command of threadwright-cli. `run` gets the arguments after the command name and
// returns the exit code: 0 success, 1 a failed operation, 2 wrong usage.
class CliCommand
{
public:
    virtual ~CliCommand() = default;
    virtual QString name() const = 0;
    // One line for the help text: the arguments, then what the command does.
    virtual QString synopsis() const = 0;
    virtual int run(const QStringList& arguments, CliDelegate& delegate) = 0;
};
