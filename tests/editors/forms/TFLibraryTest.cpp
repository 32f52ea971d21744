// The design library in the main window: the design stored with a title, the overwrite
// question, and an entry loaded as floating content that merges as one undo step.
#include "editing/ClipboardBuffer.h"
#include "editing/SelectionSession.h"
#include "editing/StitchOperations.h"
#include "editors/forms/TFLibrary.h"
#include "editors/forms/TFLibraryAdd.h"
#include "model/Design.h"
#include "shell/forms/TFMain.h"
#include "support/ui/ScriptedMain.h"
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class TFLibraryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        main = std::make_unique<TFMain>();
        dialogs = installScriptedDialogs(*main);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        design().stitch.libraryPath = folder.path() + QStringLiteral("/library/");
    }

    Design& design() { return main->design(); }

    void addAs(const QString& name, const QString& title)
    {
        dialogs->scripts << [name, title](QDialog& shown) {
            auto& add = static_cast<TFLibraryAdd&>(shown);
            EXPECT_FALSE(add.ImageSelection->pixmap().isNull());
            add.EFileName->setText(name);
            add.ETitle->setText(title);
            add.BSave->click();
        };
        main->MenuAddToLibrary->trigger();
    }

    QTemporaryDir folder;
    std::unique_ptr<TFMain> main;
    ScriptedDialogs* dialogs = nullptr;
};
} // namespace

TEST_F(TFLibraryTest, TheStoredDesignLoadsAsFloatingContentAndMergesAsOneStep)
{
    const std::vector<TColorRef> colours = design().stitch.Colors.keys();
    StitchOperations(design()).updatePixel(1, 1, false, colours[0]);
    addAs(QStringLiteral("rose"), QStringLiteral("Rose"));
    const QString file = folder.path() + QStringLiteral("/library/rose.qmk");
    ASSERT_TRUE(QFileInfo::exists(file));
    const qint64 written = QFileInfo(file).size();

    // Replacing the entry asks first; No keeps it as it was.
    StitchOperations(design()).updatePixel(2, 2, false, colours[1]);
    dialogs->answers << Answer::No;
    addAs(QStringLiteral("rose.qmk"), QStringLiteral("Other"));
    ASSERT_EQ(dialogs->asked.size(), 1);
    EXPECT_EQ(dialogs->asked[0], QStringLiteral("File already exists, do you want to replace it?"));
    EXPECT_EQ(QFileInfo(file).size(), written);

    StitchOperations(design()).updatePixel(1, 1, false, colours[1]);
    dialogs->scripts << [](QDialog& shown) {
        auto& library = static_cast<TFLibrary&>(shown);
        ASSERT_EQ(library.List->count(), 1);
        EXPECT_FALSE(library.BLoad->isEnabled());
        library.List->setCurrentRow(0);
        EXPECT_EQ(library.LName->text(), QStringLiteral("Rose"));
        EXPECT_FALSE(library.LConvert->isVisibleTo(&library)) << "the same palette needs no conversion";
        library.BLoad->click();
    };
    main->MenuLibrary->trigger();
    EXPECT_EQ(main->mode(), modSelection);
    ASSERT_TRUE(main->selection().floating());
    EXPECT_EQ(main->selection().buffer().width(), design().width());
    EXPECT_EQ(design().History.count(), 0) << "loading records nothing";

    main->MenuMerge->trigger();
    EXPECT_EQ(design().History.count(), 1);
    EXPECT_EQ(design().CrossLayer.canvasPixel(1, 1), colours[0]);
    EXPECT_EQ(design().CrossLayer.canvasPixel(2, 2), colours[1]) << "an empty cell of the entry covers nothing";
    main->Undo1->trigger();
    EXPECT_EQ(design().CrossLayer.canvasPixel(1, 1), colours[1]);
    EXPECT_TRUE(dialogs->warned.isEmpty()) << dialogs->warned.join('\n').toStdString();
}
