#pragma once
#include "shell/MRUList.h"
#include <QStringList>

// The settings that live outside the document object: print margins, the editor flag, the
// picture export defaults, the large palette window's view, the recent files and the registered
// languages. Lower levels receive these as plain values.
struct GeneralSettings
{
    int BorderLeft = 15;
    int BorderTop = 15;
    int BorderRight = 10;
    int BorderBottom = 15;
    bool AllowQuarterOverCross = false;
    int JPEGWidth = 900;
    int JPEGHeight = 800;
    int JPEGGrid = 20;
    int JPEGQuality = 70;
    int PaletteView = 0;
    bool updateCheckDue = false;
    MRUList recentFiles;
    QStringList languages;
    // Values that could not be read and were replaced by their defaults, for one message.
    QStringList problems;
};
