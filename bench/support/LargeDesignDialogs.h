#pragma once
// The main window's dialogs for the window benchmarks: the new-design dialog answers with a
// 1000 x 1000 design, every other question with "No" or "cancel".
#include "shell/forms/MainDialogs.h"

class LargeDesignDialogs : public MainDialogs
{
public:
    Answer ask(const QString&) override { return Answer::No; }
    void inform(const QString&) override {}
    void warn(const QString&) override {}
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    int chooseApplicationMode() override { return -1; }
    bool chooseNewDesign(NewDesignChoice& choice) override
    {
        choice.width = 1000;
        choice.height = 1000;
        return true;
    }
};
