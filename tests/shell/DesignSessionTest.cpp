// The naming rules of the one open and save path both programs use.
#include "model/Design.h"
#include "shell/DesignSession.h"
#include "shell/GeneralSettings.h"
#include "shell/SettingsStore.h"
#include "support/QmkTestFiles.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DesignSession, SavedNamesEndInQmkAndOpenedOnesAreRenamedToIt)
{
    const struct
    {
        const char* chosen;
        const char* saved;
    } saves[] = {{"/d/rose", "/d/rose.qmk"}, {"/d/rose.QMK", "/d/rose.QMK"}, {"/d/rose.qmkp", "/d/rose.qmkp.qmk"},
        {"/d/rose.v2", "/d/rose.v2.qmk"}};
    for (const auto& c : saves)
        EXPECT_EQ(DesignSession::designFileName(QString::fromLatin1(c.chosen)), QString::fromLatin1(c.saved)) << c.chosen;
    const struct
    {
        const char* opened;
        const char* named;
    } opens[] = {{"/d/old.stv", "/d/old.qmk"}, {"/d/a.b.qmkp", "/d/a.b.qmk"}, {"/d/x.qmk", "/d/x.qmk"}};
    for (const auto& c : opens)
        EXPECT_EQ(DesignSession::nameAfterOpening(QString::fromLatin1(c.opened)), QString::fromLatin1(c.named)) << c.opened;
}

TEST(DesignSession, OpeningAndSavingMarkTheDesignAndTheRecentFiles)
{
    QTemporaryDir dir;
    SettingsStore store(QDir(dir.path()).filePath(QStringLiteral("settings.ini")));
    GeneralSettings general;
    DesignSession session(store, general, DesignSession::Program::CommandLine);
    const QString file = QDir(dir.path()).filePath(QStringLiteral("sample.qmkp"));
    QmkTestFiles::Content content;
    content.colors = QmkTestFiles::paletteColors();
    content.pixels = {1, -1, -1, 1};
    QmkTestFiles::writeFile(file, QmkTestFiles::build(content));

    QStringList messages;
    DesignSession::Opened opened = session.openDesign(file, &messages);
    ASSERT_TRUE(opened.design) << opened.error.toStdString();
    TStitch& doc = opened.design->stitch;
    EXPECT_EQ(doc.filename(), QDir(dir.path()).filePath(QStringLiteral("sample.qmk")));
    EXPECT_TRUE(doc.fileSaved());
    EXPECT_TRUE(doc.FileNameAssigned);
    EXPECT_TRUE(general.recentFiles.isEmpty()) << "the window remembers what the user opened";

    doc.setFileSaved(false);
    EXPECT_FALSE(session.save(*opened.design, QDir(dir.path()).filePath(QStringLiteral("gone/x.qmk"))));
    EXPECT_FALSE(doc.fileSaved());
    EXPECT_TRUE(general.recentFiles.isEmpty());
    const QString copy = QDir(dir.path()).filePath(QStringLiteral("copy.qmk"));
    ASSERT_TRUE(session.save(*opened.design, copy));
    EXPECT_EQ(doc.filename(), copy);
    EXPECT_TRUE(doc.fileSaved());
    EXPECT_EQ(general.recentFiles.first(), copy);

    const DesignSession::Opened missing = session.openDesign(QDir(dir.path()).filePath(QStringLiteral("none.qmk")), &messages);
    EXPECT_FALSE(missing.design);
    EXPECT_TRUE(missing.error.contains(QStringLiteral("none.qmk"))) << missing.error.toStdString();
}
