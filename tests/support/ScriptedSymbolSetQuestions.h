#pragma once
#include "editors/SymbolSetQuestions.h"
#include <QList>
#include <QStringList>

// Answers the symbol set document's questions from queues filled by the test and records what
// was asked and shown.
class ScriptedSymbolSetQuestions : public SymbolSetQuestions
{
public:
    QList<Answer> answers;   // for ask(); Cancel when empty
    QList<bool> confirms;    // for confirm(); No when empty
    QStringList saveNames;   // for chooseSaveFileName(); cancelled when empty
    QStringList asked;       // questions of ask() and confirm()
    QStringList presets;     // what the save dialog was preset with
    QStringList shown;       // nameMissing() and warn() messages

    Answer ask(const QString& question) override
    {
        asked << question;
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    bool confirm(const QString& question) override
    {
        asked << question;
        return !confirms.isEmpty() && confirms.takeFirst();
    }
    QString chooseSaveFileName(const QString& preset) override
    {
        presets << preset;
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    void nameMissing(const QString& message) override { shown << message; }
    void warn(const QString& message) override { shown << message; }
};
