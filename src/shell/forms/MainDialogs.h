#pragma once
#include "model/SaveQuestions.h"
#include <QString>

class QWidget;

// The modal questions and file dialogs the main window asks. The program shows real dialogs;
// window tests put a scripted implementation in their place, so a whole command can be driven
// without a modal loop.
class MainDialogs
{
public:
    virtual ~MainDialogs() = default;
    virtual Answer ask(const QString& message) = 0;
    virtual void inform(const QString& message) = 0;
    // An empty answer means cancelled.
    virtual QString openFileName(const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(const QString& folder, const QString& preset, const QString& filter) = 0;
    // The application-mode question: 0 "Stitches", 1 "Knitting", -1 cancelled.
    virtual int chooseApplicationMode() = 0;
};
