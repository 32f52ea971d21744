#pragma once
#include "shell/forms/MainDialogs.h"
#include <QStringList>

// Answers the main window's dialogs from queues filled by the test and records what was shown.
class ScriptedDialogs : public MainDialogs
{
public:
    QList<Answer> answers;      // for ask(); Cancel when empty
    QStringList openNames;      // for openFileName(); cancelled when empty
    QStringList saveNames;      // for saveFileName(); cancelled when empty
    QList<int> modes;           // for chooseApplicationMode(); cancelled when empty
    QStringList asked;
    QStringList informed;

    Answer ask(const QString& message) override
    {
        asked << message;
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    void inform(const QString& message) override { informed << message; }
    QString openFileName(const QString&, const QString&) override
    {
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }
    QString saveFileName(const QString&, const QString&, const QString&) override
    {
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    int chooseApplicationMode() override { return modes.isEmpty() ? -1 : modes.takeFirst(); }
};
