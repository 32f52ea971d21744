#pragma once
#include <QStringList>

class CliDelegate;

// The commands of threadwright-cli over the core library. Exit codes: 0 success, 1 a failed
// operation, 2 wrong usage. Results go to the delegate's out, errors as one line to its err.
class CommandProcessor
{
public:
    enum ExitCode { Success = 0, Failed = 1, Usage = 2 };

    explicit CommandProcessor(CliDelegate& delegate) : m_delegate(delegate) {}

    // `arguments` without the program name.
    int run(const QStringList& arguments);

private:
    int usageError(const QString& message);
    QString helpText() const;

    CliDelegate& m_delegate;
};
