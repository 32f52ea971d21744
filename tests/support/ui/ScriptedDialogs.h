#pragma once
#include "shell/forms/MainDialogs.h"
#include <QDialog>
#include <functional>
#include <QStringList>

// Answers the main window's dialogs from queues filled by the test and records what was shown.
class ScriptedDialogs : public MainDialogs
{
public:
    QList<Answer> answers;      // for ask(); Cancel when empty
    QStringList openNames;      // for openFileName(); cancelled when empty
    QStringList saveNames;      // for saveFileName(); cancelled when empty
    QList<int> modes;           // for chooseApplicationMode(); cancelled when empty
    QList<NewDesignChoice> newDesigns; // for chooseNewDesign(); cancelled when empty
    QList<InsertChoice> insertions;    // for chooseInsertion(); cancelled when empty
    // For runDialog(): each acts on the dialog shown, as a user would (typing, then OK);
    // cancelled when empty.
    QList<std::function<void(QDialog&)>> scripts;
    QStringList asked;
    QStringList informed;
    QStringList warned;

    Answer ask(const QString& message) override
    {
        asked << message;
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    void inform(const QString& message) override { informed << message; }
    void warn(const QString& message) override { warned << message; }
    QString openFileName(const QString&, const QString&) override
    {
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }
    QString saveFileName(const QString&, const QString&, const QString&) override
    {
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    int chooseApplicationMode() override { return modes.isEmpty() ? -1 : modes.takeFirst(); }
    bool chooseNewDesign(NewDesignChoice& choice) override
    {
        if (newDesigns.isEmpty())
            return false;
        const NewDesignChoice answer = newDesigns.takeFirst();
        choice.width = answer.width;
        choice.height = answer.height;
        choice.palette = answer.palette.isEmpty() ? choice.palette : answer.palette;
        choice.characters = answer.characters.isEmpty() ? choice.characters : answer.characters;
        choice.knitting = answer.knitting;
        return true;
    }
    bool chooseInsertion(InsertChoice& choice) override
    {
        if (insertions.isEmpty())
            return false;
        choice = insertions.takeFirst();
        return true;
    }
    // A dialog's OK runs its own checks, which may keep it open: then it was not accepted.
    bool runDialog(QDialog& dialog) override
    {
        if (scripts.isEmpty())
            return false;
        dialog.setResult(QDialog::Rejected);
        scripts.takeFirst()(dialog);
        return dialog.result() == QDialog::Accepted;
    }
};
