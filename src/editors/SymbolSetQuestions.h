#pragma once
#include "model/SaveQuestions.h"
#include <QString>

// What the symbol set document asks and tells while it saves. The texts are English keys of the
// translation table; the editor window translates and shows them, tests answer from a script.
class SymbolSetQuestions
{
public:
    virtual ~SymbolSetQuestions() = default;
    // The three-button question (Yes, No, Cancel).
    virtual Answer ask(const QString& question) = 0;
    // A Yes/No question with the warning icon; true for Yes.
    virtual bool confirm(const QString& question) = 0;
    // The save dialog, preset with a file name; an empty answer means cancelled.
    virtual QString chooseSaveFileName(const QString& preset) = 0;
    // The set has no name: show the message and put the focus on the name field.
    virtual void nameMissing(const QString& message) = 0;
    // A save that failed or was refused.
    virtual void warn(const QString& message) = 0;
    // The text shown for a key; the document fills in arguments afterwards.
    virtual QString translate(const QString& key) { return key; }
};
