// "CMYK colors ..." of the main window: the start-up reads the user's corrections, and the menu
// entry opens the dialog over the open design's colours.
#include "editors/forms/TFCMYK.h"
#include "files/CMYKFile.h"
#include "model/CMYKConversion.h"
#include "model/Design.h"
#include "shell/CMYKTable.h"
#include "shell/Paths.h"
#include "shell/forms/TFMain.h"
#include "support/ui/ScriptedDialogs.h"
#include <QAction>
#include <QDir>
#include <QTimer>
#include <gtest/gtest.h>

TEST(TFMainCMYK, StartUpReadsTheCorrectionsAndTheMenuOpensTheDialog)
{
    QDir(Paths::userPalettesFolder()).removeRecursively();
    TCMYKMap map;
    map.insert(0xFF010203u, CMYKConversion::correction(1, 2, 3, 4));
    ASSERT_TRUE(CMYKFile::save(Paths::userPalettesFolder() + QStringLiteral("cmyk.ini"), map));

    TFMain main;
    main.setDialogs(std::make_unique<ScriptedDialogs>());
    EXPECT_EQ(main.design().stitch.CMYK, map);
    int shownRows = -1;
    QTimer::singleShot(0, &main, [&] {
        if (auto* dialog = main.findChild<TFCMYK*>()) {
            shownRows = int(dialog->rows().size());
            dialog->reject();
        }
    });
    main.MenuCMYK->trigger();
    EXPECT_EQ(shownRows, main.design().stitch.Colors.size());
    EXPECT_GT(shownRows, 0);
    QDir(Paths::userPalettesFolder()).removeRecursively();
}
