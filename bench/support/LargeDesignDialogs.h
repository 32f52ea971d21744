#pragma once
// The main window's dialogs for the window benchmarks: the new-design dialog answers with a
// 1000 x 1000 design, every other question with "No" or "cancel".
#include "model/Design.h"
#include "shell/forms/MainDialogs.h"
#include "shell/forms/TFMain.h"
#include <QTest>
#include <benchmark/benchmark.h>

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
    bool chooseInsertion(InsertChoice&) override { return false; }
    bool runDialog(QDialog&) override { return false; }
};

// Shows the window with a new 1000 x 1000 design at zoom 20 ("500%"), grid and symbols shown,
// drawing in the design's first colour; false (the benchmark skipped) when it was not shown.
inline bool showLargeDesign(TFMain& main, benchmark::State& state)
{
    constexpr int kZoomIndex = 12; // zoom 20
    main.setDialogs(std::make_unique<LargeDesignDialogs>());
    main.MenuNewClick();
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) {
        state.SkipWithError("the window was not shown");
        return false;
    }
    main.setZoomIndex(kZoomIndex);
    main.setVisibility(true, true);
    Design& d = main.design();
    d.stitch.setDrawcolor(d.stitch.Colors.begin()->first);
    return true;
}
