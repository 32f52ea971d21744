#pragma once
// The window benchmarks' dialogs: the new-design dialog answers 1000 x 1000, everything else
// "cancel".
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
