// "Design Settings ..." of the main window over the open design.
#include "model/Design.h"
#include "shell/forms/TFMain.h"
#include "shell/forms/TFTemplateSettings.h"
#include "support/ui/ScriptedDialogs.h"
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {
void withSettings(TFMain& main, const std::function<void(TFTemplateSettings&)>& script)
{
    bool ran = false;
    QTimer::singleShot(0, &main, [&] {
        auto* dialog = main.findChild<TFTemplateSettings*>();
        ASSERT_TRUE(dialog && dialog->isVisible());
        script(*dialog);
        ran = true;
    });
    main.MenuPatternSettings->trigger();
    EXPECT_TRUE(ran);
}

void typeInto(QAbstractSpinBox* box, const QString& text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}
} // namespace

TEST(TFTemplateSettings, ShowsTheDesignAndAnUntouchedOkKeepsItSaved)
{
    TFMain main;
    main.setDialogs(std::make_unique<ScriptedDialogs>());
    const Design& d = main.design();
    ASSERT_TRUE(d.stitch.fileSaved());
    withSettings(main, [&](TFTemplateSettings& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Design Settings"));
        EXPECT_EQ(dialog.ETitle->placeholderText(), QStringLiteral("Filename"));
        EXPECT_EQ(dialog.EWidth->value(), 50);
        EXPECT_EQ(dialog.EHeight->value(), 50);
        EXPECT_EQ(dialog.EWidth->minimum(), 1);
        EXPECT_EQ(dialog.ELen->value(), 6);
        EXPECT_EQ(dialog.EBackLen->value(), 3);
        EXPECT_EQ(dialog.EBaseLen->value(), 80);
        EXPECT_EQ(dialog.ComboPalette->currentText(), d.stitch.colorsname());
        EXPECT_FALSE(dialog.EColorsCount->isEnabled()) << "an empty design has no colour to reduce";
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    });
    EXPECT_TRUE(d.stitch.fileSaved());
    EXPECT_EQ(d.History.count(), 0);
}

TEST(TFTemplateSettings, ARefusedSizeKeepsTheDialogOpenAndTypedValuesApply)
{
    TFMain main;
    main.setDialogs(std::make_unique<ScriptedDialogs>());
    const Design& d = main.design();
    QStringList errors;
    withSettings(main, [&](TFTemplateSettings& dialog) {
        dialog.setErrorSink([&](const QString& message) { errors << message; });
        typeInto(dialog.EWidth, QStringLiteral("32767"));
        typeInto(dialog.EHeight, QStringLiteral("32767"));
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].startsWith(QStringLiteral("A design must be 1 to 32767 cells wide"))) << errors[0].toStdString();
        EXPECT_TRUE(dialog.isVisible());

        typeInto(dialog.EWidth, QStringLiteral("60"));
        typeInto(dialog.EHeight, QStringLiteral("40"));
        typeInto(dialog.ELen, QStringLiteral("6.5"));
        QTest::keyClicks(dialog.ETitle, QStringLiteral("Roses"));
        QTimer::singleShot(0, &dialog, [] {
            auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(chooser);
            EXPECT_EQ(chooser->currentColor(), QColor(Qt::white)) << "preset with the swatch colour";
            chooser->setCurrentColor(QColor(255, 255, 192));
            chooser->accept();
        });
        QTest::mouseClick(dialog.PBackground, Qt::LeftButton);
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
    });
    EXPECT_EQ(d.width(), 60);
    EXPECT_EQ(d.height(), 40);
    EXPECT_DOUBLE_EQ(d.stitch.len, 0.0065);
    EXPECT_EQ(d.stitch.Title, QStringLiteral("Roses"));
    EXPECT_EQ(d.stitch.BackGroundColor, 0xFFFFFFC0u);
    EXPECT_EQ(d.History.count(), 2) << "background and size";
    EXPECT_FALSE(d.stitch.fileSaved());
    EXPECT_TRUE(main.windowTitle().contains(QStringLiteral("Roses")));
}
