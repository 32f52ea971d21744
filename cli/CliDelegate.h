#pragma once
#include <QString>

// Where the command processor sends what it prints. The real program writes to stdout and
// stderr; tests record the output.
class CliDelegate
{
public:
    virtual ~CliDelegate() = default;
    virtual void out(const QString& text) = 0;
    virtual void err(const QString& text) = 0;
};
