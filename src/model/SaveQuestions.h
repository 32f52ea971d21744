#pragma once
#include <QString>

enum class Answer { Yes, No, Cancel };

// What TStitch::Check asks before a design with unsaved changes is discarded. The main window
// answers with dialogs; tests answer from a script.
class SaveQuestions
{
public:
    virtual ~SaveQuestions() = default;
    // The three-button question (Yes, No, Cancel).
    virtual Answer ask(const QString& question) = 0;
    // The save dialog, preset with a file name; an empty answer means cancelled.
    virtual QString chooseSaveFileName(const QString& preset) = 0;
    // Writes the whole design to the file; false when it failed (the user has been told).
    virtual bool saveWholeDesign(const QString& fileName) = 0;
};
