// "Options ..." of the main window: what "Default", "Cancel" and "OK" leave in the settings
// file, the controls and their ranges, and its help.
#include "model/Design.h"
#include "shell/Paths.h"
#include "shell/SettingsStore.h"
#include "shell/forms/TFHelp.h"
#include "shell/forms/TFMain.h"
#include "shell/forms/TFOptions.h"
#include "support/ui/ScriptedDialogs.h"
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {
QByteArray settingsBytes()
{
    QFile file(Paths::settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `script` on the options dialog once "Options ..." has opened it.
void withOptions(TFMain& main, const std::function<void(TFOptions&)>& script)
{
    bool ran = false;
    QTimer::singleShot(0, &main, [&] {
        auto* dialog = main.findChild<TFOptions*>();
        ASSERT_TRUE(dialog && dialog->isVisible());
        script(*dialog);
        ran = true;
    });
    main.MenuOptions->trigger();
    EXPECT_TRUE(ran);
}

struct MainWindow
{
    MainWindow() { main.setDialogs(std::make_unique<ScriptedDialogs>()); }
    TFMain main;
};
} // namespace

TEST(TFOptions, DefaultThenCancelLeavesTheSettingsFileAsItWas)
{
    MainWindow w;
    QCoreApplication::processEvents();
    const QByteArray before = settingsBytes();
    ASSERT_FALSE(before.isEmpty());
    withOptions(w.main, [](TFOptions& dialog) {
        QTest::mouseClick(dialog.ButtonDefault, Qt::LeftButton);
        QTest::mouseClick(dialog.ButtonCancel, Qt::LeftButton);
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(settingsBytes(), before);
}

TEST(TFOptions, DefaultThenOkStoresTheDefaultColumnAndGivesAnUntitledDesignTheDefaultTitle)
{
    MainWindow w;
    TStitch& doc = w.main.design().stitch;
    doc.thickLines = 77;
    doc.symbolSize = 250;
    doc.SubTitle = QStringLiteral("Mine");
    doc.checkForUpdates = false;
    ASSERT_TRUE(doc.Title.isEmpty());
    withOptions(w.main, [](TFOptions& dialog) {
        EXPECT_EQ(dialog.spinBox("EThickLines")->value(), 77);
        QTest::mouseClick(dialog.ButtonDefault, Qt::LeftButton);
        EXPECT_EQ(dialog.spinBox("EThickLines")->value(), 50);
        EXPECT_TRUE(dialog.isVisible()) << "Default stores nothing and keeps the dialog open";
        dialog.EditDefTitle->clear();
        QTest::keyClicks(dialog.EditDefTitle, QStringLiteral("Sampler"));
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    });
    SettingsStore stored(Paths::settingsFile());
    const struct
    {
        const char* name;
        int value;
    } expected[] = {{"ThickLines", 50}, {"MediumLines", 20}, {"ThinLines", 1}, {"BackStitchLines", 60},
        {"SymbolSize", 100}, {"PrintPosTop", 0}, {"PrintPosLeft", 0}, {"BorderLeft", 15}, {"BorderTop", 15},
        {"BorderRight", 10}, {"BorderBottom", 15}, {"LegendDistance", 5}, {"BagSize", 200},
        {"AllowQuarterOverCross", 0}, {"CheckForUpdates", 1}};
    for (const auto& e : expected)
        EXPECT_EQ(stored.readInteger(QLatin1String(e.name)), e.value) << e.name;
    EXPECT_EQ(stored.readString(QStringLiteral("SubTitle")), QStringLiteral("Created with Velwick Threadwright"));
    EXPECT_EQ(doc.Title, QStringLiteral("Sampler"));
    EXPECT_TRUE(w.main.windowTitle().contains(QStringLiteral("Sampler")));
    // Later windows of this test program start without a default title again.
    stored.writeString(QStringLiteral("DefaultTitle"), QString());
    stored.sync();
}

TEST(TFOptions, ShowsEverySettingWithItsRangeAndOpensItsHelp)
{
    MainWindow w;
    w.main.design().stitch.libraryPath = QStringLiteral("/home/someone/with/a/rather/long/path/to/the/design/library/");
    withOptions(w.main, [&](TFOptions& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Options"));
        EXPECT_EQ(dialog.PageControl->tabText(0), QStringLiteral("General Settings"));
        EXPECT_EQ(dialog.PageControl->tabText(1), QStringLiteral("Printing Settings"));
        EXPECT_GT(dialog.ComboPalette->count(), 0);
        EXPECT_EQ(dialog.ComboPalette->currentText(), w.main.design().stitch.defaultPalette);
        EXPECT_FALSE(dialog.GroupBags->isVisibleTo(&dialog));
        const struct
        {
            const char* control;
            int minimum;
            int maximum;
        } ranges[] = {{"EditLabelGridHor", 1, 1000}, {"EditLabelWidth", 1, 3000}, {"EditLabelHeight", 1, 2500},
            {"ESymboleSize", 30, 300}, {"EPrintTop", -100, 100}, {"EditDistance", 1, 10000}};
        for (const auto& r : ranges) {
            QSpinBox* box = dialog.spinBox(r.control);
            ASSERT_TRUE(box) << r.control;
            EXPECT_EQ(box->minimum(), r.minimum) << r.control;
            EXPECT_EQ(box->maximum(), r.maximum) << r.control;
        }
        dialog.LPath->resize(120, dialog.LPath->height());
        dialog.EPath->setText(dialog.EPath->text() + QStringLiteral("x"));
        EXPECT_TRUE(dialog.LPath->text().contains(QChar(0x2026))) << dialog.LPath->text().toStdString();

        QTest::mouseClick(dialog.ButtonHelp, Qt::LeftButton);
        TFHelp* help = w.main.helpWindow();
        ASSERT_TRUE(help);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->currentAnchor(), QStringLiteral("topic-3700"));
        EXPECT_EQ(help->parentWidget(), &dialog) << "a modal dialog would block a help window it does not own";
        dialog.reject();
    });
}
