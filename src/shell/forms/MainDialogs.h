#pragma once
#include "model/SaveQuestions.h"
#include <QString>
#include <QStringList>

class QWidget;
class QDialog;

// What the "New Image" dialog asks for a new empty design.
struct NewDesignChoice
{
    int width = 50;
    int height = 50;
    QString palette;
    QString characters;
    bool knitting = false;
    QStringList palettes;   // offered
    QStringList symbolSets; // offered
};

// What the insert dialog asks: columns or rows, and how many.
struct InsertChoice
{
    bool columns = false;
    int amount = 1;
};

// The modal questions and file dialogs the main window asks. The program shows real dialogs;
// window tests put a scripted implementation in their place, so a whole command can be driven
// without a modal loop.
class MainDialogs
{
public:
    virtual ~MainDialogs() = default;
    virtual Answer ask(const QString& message) = 0;
    virtual void inform(const QString& message) = 0;
    // Errors and problems: shown with the warning icon.
    virtual void warn(const QString& message) = 0;
    // An empty answer means cancelled.
    virtual QString openFileName(const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(const QString& folder, const QString& preset, const QString& filter) = 0;
    // The application-mode question: 0 "Stitches", 1 "Knitting", -1 cancelled.
    virtual int chooseApplicationMode() = 0;
    // The new-design dialog, preset from `choice`; false when cancelled.
    virtual bool chooseNewDesign(NewDesignChoice& choice) = 0;
    // The insert dialog, preset from `choice`; false when cancelled.
    virtual bool chooseInsertion(InsertChoice& choice) = 0;
    // A prepared dialog of the main window (text, library), run modally; true when accepted.
    virtual bool runDialog(QDialog& dialog) = 0;
};
