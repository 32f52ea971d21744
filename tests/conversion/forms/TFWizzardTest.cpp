// The conversion wizard driven as a user would, through "Convert Picture to Template" of the real
// main window: the pages, their buttons, and a design equal to the one the conversion makes
// directly with the same choices.
#include "conversion/PictureConversion.h"
#include "conversion/forms/TFDitheringProgress.h"
#include "conversion/forms/TFWizzard.h"
#include "conversion/forms/WizardCropView.h"
#include "model/Design.h"
#include "shell/forms/TFMain.h"
#include "support/ui/ScriptedMain.h"
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class TFWizzardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        main = std::make_unique<TFMain>();
        dialogs = installScriptedDialogs(*main);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        picturePath = dir.filePath(QStringLiteral("garden.png"));
        ASSERT_TRUE(gradient().save(picturePath));
    }

    // 90 x 60 pixels of many colours.
    static QImage gradient()
    {
        QImage image(90, 60, QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x * 2, y * 4, (x * y) % 256));
        }
        return image;
    }

    // Converts the picture with `script` acting on the wizard while it is shown.
    void convert(const std::function<void(TFWizzard&)>& script)
    {
        dialogs->openNames << picturePath;
        dialogs->scripts << [script](QDialog& dialog) { script(static_cast<TFWizzard&>(dialog)); };
        main->MenuPicture->trigger();
    }

    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // The steps run on the worker: what they show is there once it is idle.
    static void settle(TFWizzard& w) { ASSERT_TRUE(QTest::qWaitFor([&] { return !w.busy(); }, 20000)); }

    static void toColourPage(TFWizzard& w)
    {
        for (int i = 0; i < 3; ++i)
            click(w.BNext);
        ASSERT_EQ(w.Step(), 4);
        settle(w);
    }

    // Finish waits for the running step, then closes the wizard.
    static void finish(TFWizzard& w)
    {
        click(w.BNext);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.result() == QDialog::Accepted; }, 20000));
    }

    // The result the conversion makes directly with the wizard's lists' choices.
    QImage direct(ConversionChoices choices, const TFWizzard& w)
    {
        choices.palette = w.ComboPalettes->currentText();
        choices.symbols = w.ComboSymbols->currentText();
        TBitmap32 picture;
        picture.image() = gradient();
        PictureConversion conversion(main->design().stitch);
        EXPECT_TRUE(conversion.run(picture, choices));
        return conversion.ImageFinal.image();
    }

    QTemporaryDir dir;
    QString picturePath;
    std::unique_ptr<TFMain> main;
    ScriptedDialogs* dialogs = nullptr;
};
} // namespace

TEST_F(TFWizzardTest, WalkThroughTheFourPagesGivesTheDesignOfTheDirectConversion)
{
    QList<int> topics;
    ConversionChoices choices;
    QString palette;
    convert([&](TFWizzard& w) {
        w.showHelp = [&](int topic) { topics << topic; };
        for (int step = 1; step <= 4; ++step) {
            EXPECT_EQ(w.Step(), step);
            EXPECT_EQ(w.BPrev->isEnabled(), step != 1) << step;
            EXPECT_EQ(w.BGhostOnly->isEnabled(), step == 4) << step;
            click(w.BHelp);
            if (step == 3) {
                EXPECT_EQ(w.LSize->text(), QStringLiteral("90 x 60"));
                w.EWidth->setValue(40);
                click(w.Button1);
                settle(w);
                EXPECT_EQ(w.LNewSize->text(), QStringLiteral("40 x 27"));
            }
            if (step < 4)
                click(w.BNext);
        }
        settle(w);
        EXPECT_EQ(w.BNext->text(), QStringLiteral("Finish"));
        EXPECT_TRUE(w.BNext->isEnabled());
        choices.maxSize = 40;
        EXPECT_EQ(w.conversion().ImageFinal.image(), direct(choices, w));
        // The result is shown in its colours (stitch pixels carry alpha 0 in the raster).
        const QImage shown = w.ImageFinal->pixmap().toImage();
        const QColor top = shown.pixelColor(shown.width() / 2, shown.height() / 2);
        EXPECT_EQ(top.alpha(), 255);
        EXPECT_EQ(top.rgb() & 0xFFFFFF, w.conversion().ImageFinal.image().pixel(20, 13) & 0xFFFFFF);
        palette = w.ComboPalettes->currentText();
        finish(w);
    });
    EXPECT_EQ(topics, (QList<int>{5100, 5200, 5300, 5400}));
    EXPECT_TRUE(dialogs->warned.isEmpty()) << dialogs->warned.join(QLatin1Char('\n')).toStdString();

    TStitch& doc = main->design().stitch;
    EXPECT_EQ(main->design().width(), 40);
    EXPECT_EQ(main->design().height(), 27);
    EXPECT_GT(doc.usedColors(), 1);
    EXPECT_EQ(doc.Colors.size(), doc.palette(palette)->size());
    EXPECT_EQ(doc.filename(), dir.filePath(QStringLiteral("garden.qmk")));
    EXPECT_FALSE(doc.fileSaved());
    EXPECT_FALSE(main->design().shadowPicture.isNull());
    EXPECT_TRUE(main->showGhostLayer());
}

TEST_F(TFWizzardTest, NewSizeChosenAfterGoingBackShowsOnTheColourPage)
{
    convert([&](TFWizzard& w) {
        toColourPage(w);
        EXPECT_EQ(w.conversion().ImageFinal.width(), 90); // the picture's own size, at most 100
        click(w.BPrev);
        w.EWidth->setValue(30);
        click(w.Button1);
        click(w.BNext);
        settle(w);
        EXPECT_EQ(w.conversion().ImageFinal.width(), 30);
        EXPECT_EQ(w.conversion().ImageFinal.height(), 20);
        finish(w);
    });
    EXPECT_EQ(main->design().width(), 30);
    EXPECT_EQ(main->design().height(), 20);
}

TEST_F(TFWizzardTest, EmptyTemplateHasNoStitchesAndKeepsThePictureAsShadow)
{
    convert([&](TFWizzard& w) {
        toColourPage(w);
        click(w.BGhostOnly);
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.result() == QDialog::Accepted; }, 20000));
    });
    EXPECT_EQ(main->design().width(), 90);
    EXPECT_EQ(main->design().stitch.usedColors(), 0);
    EXPECT_FALSE(main->design().shadowPicture.isNull());
}

TEST_F(TFWizzardTest, CancelOrAnUnreadablePictureLeavesTheOpenDesign)
{
    const Design* before = &main->design();
    const QString name = before->stitch.filename();
    convert([&](TFWizzard& w) {
        click(w.BNext);
        click(w.Button3);
    });
    EXPECT_EQ(&main->design(), before);
    QFile junk(dir.filePath(QStringLiteral("junk.png")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    picturePath = junk.fileName();
    convert([](TFWizzard&) { ADD_FAILURE() << "the wizard opened for a file that is no picture"; });
    EXPECT_EQ(&main->design(), before);
    EXPECT_EQ(main->design().stitch.filename(), name);
    EXPECT_EQ(dialogs->warned.size(), 1);
}

TEST_F(TFWizzardTest, ColourCountTypedJustBeforeFinishIsTaken)
{
    convert([&](TFWizzard& w) {
        toColourPage(w);
        w.EditMaxColors->setValue(3);
        finish(w);
    });
    EXPECT_EQ(main->design().stitch.usedColors(), 3);
}

// The level applies on release of the slider, or once keys that moved it pause; either way the
// dithered result is the direct conversion's, with its progress shown while it runs.
TEST_F(TFWizzardTest, DitheredResultEqualsTheDirectConversion)
{
    struct Case
    {
        DitherMethod method;
        int level;
        bool byKeys;
    };
    for (const Case c : {Case{DitherMethod::FloydSteinberg, 40, false}, Case{DitherMethod::Stucki, 100, true}}) {
        ConversionChoices choices;
        choices.dithering = c.method;
        choices.ditherLevel = c.level;
        convert([&](TFWizzard& w) {
            toColourPage(w);
            w.ComboBoxDithering->setCurrentIndex(int(c.method));
            if (c.byKeys) {
                w.ComboBoxDitheringChange();
                QTest::keyClick(w.GaugeBar1, Qt::Key_End);
                EXPECT_TRUE(w.TimerLevel->isActive());
                EXPECT_TRUE(QTest::qWaitFor([&] { return !w.TimerLevel->isActive(); }, 5000));
            } else {
                w.GaugeBar1->setValue(c.level);
                w.ComboBoxDitheringChange();
            }
            settle(w);
            EXPECT_EQ(w.GaugeBar1->value(), c.level);
            EXPECT_GT(w.FDitheringProgress->ProgressBar1->value(), 0);
            EXPECT_FALSE(w.FDitheringProgress->isVisible());
            EXPECT_EQ(w.conversion().ImageFinal.image(), direct(choices, w)) << c.level;
            click(w.Button3);
        });
    }
}

TEST_F(TFWizzardTest, DraggingTheCropFrameCropsThePictureAndMovesStopAtItsEdges)
{
    convert([&](TFWizzard& w) {
        settle(w);
        EXPECT_DOUBLE_EQ(w.ZoomFactor(), 1.0); // a small picture is shown as it is
        EXPECT_EQ(w.selectionRect(), QRectF(0, 0, 90, 60));
        QTest::mousePress(w.Crop, Qt::LeftButton, {}, {1, 30});
        QTest::mouseMove(w.Crop, {31, 30});
        QTest::mouseRelease(w.Crop, Qt::LeftButton, {}, {31, 30});
        EXPECT_EQ(w.selectionRect(), QRectF(30, 0, 60, 60));
        // The whole frame dragged far to the left keeps its size at the picture's left edge.
        QTest::mousePress(w.Crop, Qt::LeftButton, {}, {60, 30});
        QTest::mouseMove(w.Crop, {-100, 30});
        QTest::mouseRelease(w.Crop, Qt::LeftButton, {}, {-100, 30});
        EXPECT_EQ(w.selectionRect(), QRectF(0, 0, 60, 60));
        click(w.BNext);
        settle(w);
        EXPECT_EQ(w.conversion().preAdjustmentsBitmap.width(), 60);
        click(w.Button3);
    });
}

// A long step keeps the wizard answering: the progress window comes up with Cancel, Finish waits
// behind the step, Cancel stops both, and a change made meanwhile replaces the running step.
TEST_F(TFWizzardTest, LongStepShowsProgressCancelStopsItAndAChangeReplacesIt)
{
    // Stands in for a long pass on the worker: it runs until it is cancelled.
    const auto longStep = [](TFWizzard& w) {
        w.worker()->submit([](ConversionProgress& progress) {
            progress.begin(0);
            while (progress.advance())
                QThread::msleep(1);
            return Status::ok();
        }, [](const Status&) { ADD_FAILURE() << "a cancelled step was completed"; });
    };
    convert([&](TFWizzard& w) {
        w.show(); // the scripted run does not show it, and a hidden window shows no progress
        toColourPage(w);
        longStep(w);
        click(w.BNext);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.FDitheringProgress->isVisible(); }, 5000));
        EXPECT_NE(w.result(), QDialog::Accepted);
        click(w.FDitheringProgress->BCancel);
        settle(w);
        EXPECT_FALSE(w.FDitheringProgress->isVisible());
        EXPECT_NE(w.result(), QDialog::Accepted);
        EXPECT_TRUE(w.BNext->isEnabled());

        longStep(w);
        w.EditMaxColors->setValue(4);
        click(w.Button2);
        settle(w);
        EXPECT_EQ(w.conversion().matching.ReducedPaletteDic.size(), 4);
        finish(w);
    });
    EXPECT_EQ(main->design().stitch.usedColors(), 4);
}
