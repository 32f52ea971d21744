// The shadow picture on the main window: the button, its menu, the overlay and the window.
#include "files/ShadowFile.h"
#include "model/Design.h"
#include "shell/forms/GhostImage.h"
#include "shell/forms/TFGhost.h"
#include "shell/forms/TFMain.h"
#include "support/ui/ScriptedDialogs.h"
#include "view/forms/TWorkView.h"
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
class TFMainShadowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        main = std::make_unique<TFMain>();
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        main->setDialogs(std::move(scripted));
    }

    // The open design saved with a black shadow picture, then opened again.
    void openDesignWithShadow()
    {
        main->design().shadowPicture = black(8, 8);
        ASSERT_TRUE(main->saveWholeDesign(designFile));
        ASSERT_TRUE(ShadowFile::isMarked(dir.filePath(QStringLiteral("rose.png"))));
        ASSERT_TRUE(main->OpenFile(designFile));
    }

    static QImage black(int width, int height)
    {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(0xFF000000u);
        return image;
    }

    // A view pixel well inside the first cell (the empty start design is white).
    QRgb viewPixel() { return main->Image->frame().pixel(3, 3) | 0xFF000000u; }

    QByteArray bytesOf(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString designFile = dir.filePath(QStringLiteral("rose.qmk"));
    std::unique_ptr<TFMain> main;
    ScriptedDialogs* dialogs = nullptr;
};
} // namespace

TEST_F(TFMainShadowTest, OpenedShadowIsShownAtFiftyAndTheButtonTogglesIt)
{
    EXPECT_FALSE(main->GhostLoaded());
    EXPECT_FALSE(main->ButtonShadow->isEnabled());
    openDesignWithShadow();
    EXPECT_TRUE(main->GhostLoaded());
    EXPECT_TRUE(main->showGhostLayer());
    EXPECT_TRUE(main->ButtonShadow->isEnabled());
    EXPECT_TRUE(main->ButtonShadow->isChecked());
    EXPECT_EQ(main->shadowOpacity(), 50);
    // Black over white at 50: rnd(255 x 205 / 255) = 205.
    EXPECT_EQ(viewPixel(), qRgb(205, 205, 205));

    QTest::mouseClick(main->ButtonShadow, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_FALSE(main->showGhostLayer());
    EXPECT_FALSE(main->ButtonShadow->isChecked());
    EXPECT_EQ(viewPixel(), qRgb(255, 255, 255));
    QTest::mouseClick(main->ButtonShadow, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_TRUE(main->showGhostLayer());
    EXPECT_TRUE(main->ButtonShadow->isChecked());

    main->N1001->trigger();
    EXPECT_EQ(main->shadowOpacity(), 255);
    EXPECT_EQ(viewPixel(), qRgb(0, 0, 0));
    main->N301->trigger();
    EXPECT_EQ(main->shadowOpacity(), 76);

    // A new empty design has no shadow.
    NewDesignChoice choice;
    dialogs->newDesigns = {choice};
    main->MenuNewClick();
    EXPECT_FALSE(main->GhostLoaded());
    EXPECT_FALSE(main->ButtonShadow->isEnabled());
    EXPECT_EQ(viewPixel(), qRgb(255, 255, 255));
}

TEST_F(TFMainShadowTest, WindowModeShowsThePictureAndAPercentageGoesBackToTheLayer)
{
    openDesignWithShadow();
    main->ButtonShadowClick();
    ASSERT_FALSE(main->showGhostLayer());
    main->ShadowImage1->trigger();
    TFGhost* ghost = main->ghostWindow();
    ASSERT_TRUE(ghost);
    EXPECT_TRUE(ghost->isVisible());
    EXPECT_TRUE(main->shadowWindowMode());
    EXPECT_TRUE(main->ButtonShadow->isChecked());
    EXPECT_EQ(ghost->Image->picture(), black(8, 8));
    // The button hides the window and comes up; the next click shows it again.
    main->ButtonShadowClick();
    EXPECT_FALSE(ghost->isVisible());
    EXPECT_FALSE(main->ButtonShadow->isChecked());
    main->ButtonShadowClick();
    EXPECT_TRUE(ghost->isVisible());
    // The close box leaves the button up too.
    ghost->close();
    EXPECT_FALSE(main->ButtonShadow->isChecked());

    main->ShadowImage1->trigger();
    main->N501->trigger();
    EXPECT_FALSE(main->shadowWindowMode());
    EXPECT_TRUE(main->showGhostLayer());
    EXPECT_EQ(main->shadowOpacity(), 127);
    EXPECT_TRUE(ghost->isVisible()) << "the window stays open";
}

TEST(TFGhost, OneToOneAndFitSetTheZoomLabel)
{
    TFGhost ghost;
    QImage wide(30000, 2, QImage::Format_ARGB32);
    wide.fill(0xFF808080u);
    ghost.setPicture(wide);
    ghost.show();
    ghost.Button1Click();
    EXPECT_EQ(ghost.LZoom->text(), QStringLiteral("100.0%"));
    EXPECT_EQ(ghost.ScrollBar1->value(), 98);
    EXPECT_TRUE(ghost.HScroll->isEnabled());
    EXPECT_FALSE(ghost.VScroll->isEnabled());
    QTest::mouseClick(ghost.BFit, Qt::LeftButton);
    EXPECT_EQ(ghost.ScrollBar1->value(), 1);
    EXPECT_EQ(ghost.LZoom->text(), QStringLiteral("3.0%"));
}

TEST_F(TFMainShadowTest, SavingOverAPictureOfTheUsersOwnAsksFirst)
{
    const QString side = dir.filePath(QStringLiteral("rose.png"));
    QImage photo(3, 3, QImage::Format_RGB32);
    photo.fill(Qt::green);
    ASSERT_TRUE(photo.save(side));
    const QByteArray before = bytesOf(side);
    main->design().shadowPicture = black(8, 8);

    dialogs->answers = {Answer::Cancel};
    EXPECT_FALSE(main->saveWholeDesign(designFile));
    EXPECT_FALSE(QFile::exists(designFile)) << "Cancel stops the save";
    EXPECT_EQ(dialogs->asked.size(), 1);

    dialogs->answers = {Answer::No};
    EXPECT_TRUE(main->saveWholeDesign(designFile));
    EXPECT_TRUE(QFile::exists(designFile));
    EXPECT_EQ(bytesOf(side), before) << "No saves the design without its shadow picture";

    dialogs->answers = {Answer::Yes};
    EXPECT_TRUE(main->saveWholeDesign(designFile));
    EXPECT_TRUE(ShadowFile::isMarked(side));
    // From now on the side file is ours: no more questions.
    dialogs->asked.clear();
    EXPECT_TRUE(main->saveWholeDesign(designFile));
    EXPECT_TRUE(dialogs->asked.isEmpty());
    EXPECT_TRUE(dialogs->warned.isEmpty());
}
