#include "model/Design.h"
#include "shell/DelphiDate.h"
#include "shell/GeneralSettings.h"
#include "shell/SettingsStore.h"
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
class SettingsTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("settings.ini")); }

    // Reads the settings into a fresh document, as every start-up does.
    void read(Design& d, GeneralSettings& general)
    {
        SettingsStore store(file());
        d.stitch.ReadGeneralSettings(store, general);
        store.sync();
    }

    void writeIni(const QByteArray& text)
    {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
};
} // namespace

TEST_F(SettingsTest, FirstStartWritesEveryDefault)
{
    Design d;
    GeneralSettings general;
    read(d, general);

    SettingsStore store(file());
    const QList<QPair<const char*, int>> integers = {
        {"maxColors", 500}, {"LegendDistance", 5}, {"LabelGridHor", 10}, {"LabelGridVert", 27},
        {"LabelBorderLeft", 40}, {"LabelBorderTop", 135}, {"LabelBorderRight", 40}, {"LabelBorderBottom", 135},
        {"LabelWidth", 178}, {"LabelHeight", 100}, {"PrintPosLeft", 0}, {"PrintPosTop", 0},
        {"CheckForUpdates", 1}, {"ThickLines", 50}, {"MediumLines", 20}, {"ThinLines", 1},
        {"backStitchLines", 60}, {"SymbolSize", 100}, {"BorderLeft", 15}, {"BorderTop", 15},
        {"BorderRight", 10}, {"BorderBottom", 15}, {"AllowQuarterOverCross", 0}, {"BagSize", 200},
        {"JPEGWidth", 900}, {"JPEGHeight", 800}, {"JPEGGrid", 20}, {"JPEGQuality", 70}, {"PaletteView", 0},
    };
    for (const auto& [name, value] : integers)
        EXPECT_EQ(store.readInteger(QLatin1String(name)), value) << name;
    EXPECT_EQ(store.readString(QStringLiteral("SubTitle")), QStringLiteral("Created with Velwick Threadwright"));
    EXPECT_TRUE(store.valueExists(QStringLiteral("DefaultTitle")));
    EXPECT_TRUE(store.valueExists(QStringLiteral("BookInfo")));
    EXPECT_EQ(store.readString(QStringLiteral("DefaultLanguage")), QStringLiteral("english.lang"));
    EXPECT_FALSE(store.readString(QStringLiteral("PalettesPath")).isEmpty());

    // The next automatic update check is due one day ahead, so none runs now.
    const QDateTime due = DelphiDate::toDateTime(store.readDate(QStringLiteral("CheckForUpdatesDate")));
    EXPECT_NEAR(double(QDateTime::currentDateTime().secsTo(due)), 86400.0, 60.0);
    EXPECT_FALSE(general.updateCheckDue);
    EXPECT_TRUE(general.problems.isEmpty());
    EXPECT_EQ(general.languages.size(), 3);
    EXPECT_EQ(d.stitch.maxColors, 500);
    EXPECT_EQ(d.stitch.SubTitle, QStringLiteral("Created with Velwick Threadwright"));
}

TEST_F(SettingsTest, WrittenValuesComeBackAtTheNextStart)
{
    {
        Design d;
        GeneralSettings general;
        read(d, general);
        TStitch& s = d.stitch;
        s.libraryPath = QStringLiteral("/lib/");
        s.defaultCharacters = QStringLiteral("Shapes");
        s.defaultPalette = QStringLiteral("Cotton v2");
        s.DefaultTitle = QStringLiteral("My title");
        s.SubTitle = QStringLiteral("Sub, with comma");
        s.LegendDistance = 7;
        s.LabelGridHor = 11;
        s.LabelGridVert = 28;
        s.LabelBorderLeft = 41;
        s.LabelBorderTop = 136;
        s.LabelBorderRight = 42;
        s.LabelBorderBottom = 137;
        s.LabelWidth = 179;
        s.LabelHeight = 101;
        s.DefaultLanguage = QStringLiteral("deutsch.lang");
        s.PicturesPath = QStringLiteral("/pictures/");
        s.PatternsPath = QStringLiteral("/patterns/");
        s.SavePath = QStringLiteral("/save/");
        s.PrintPosLeft = 3;
        s.PrintPosTop = 4;
        s.checkForUpdates = false;
        s.thickLines = 51;
        s.mediumLines = 21;
        s.thinLines = 2;
        s.backstitchLines = 61;
        s.symbolSize = 90;
        s.BookInfo = QStringLiteral("<p>Info</p>");
        s.BagSize = 150;
        general.BorderLeft = 16;
        general.BorderTop = 17;
        general.BorderRight = 18;
        general.BorderBottom = 19;
        general.AllowQuarterOverCross = true;
        general.recentFiles.assign({QStringLiteral("/a.qmk"), QStringLiteral("/b.qmk")});
        SettingsStore store(file());
        s.WriteGeneralSettings(store, general);
        ASSERT_TRUE(store.sync());
    }
    Design d;
    GeneralSettings general;
    read(d, general);
    const TStitch& s = d.stitch;
    EXPECT_EQ(s.libraryPath, QStringLiteral("/lib/"));
    EXPECT_EQ(s.defaultCharacters, QStringLiteral("Shapes"));
    EXPECT_EQ(s.defaultPalette, QStringLiteral("Cotton v2"));
    EXPECT_EQ(s.DefaultTitle, QStringLiteral("My title"));
    EXPECT_EQ(s.SubTitle, QStringLiteral("Sub, with comma"));
    EXPECT_EQ((QList<int>{s.LegendDistance, s.LabelGridHor, s.LabelGridVert, s.LabelBorderLeft, s.LabelBorderTop,
                  s.LabelBorderRight, s.LabelBorderBottom, s.LabelWidth, s.LabelHeight, s.PrintPosLeft,
                  s.PrintPosTop, s.thickLines, s.mediumLines, s.thinLines, s.backstitchLines, s.symbolSize, s.BagSize}),
        (QList<int>{7, 11, 28, 41, 136, 42, 137, 179, 101, 3, 4, 51, 21, 2, 61, 90, 150}));
    EXPECT_EQ(s.DefaultLanguage, QStringLiteral("deutsch.lang"));
    EXPECT_EQ(s.PicturesPath, QStringLiteral("/pictures/"));
    EXPECT_EQ(s.PatternsPath, QStringLiteral("/patterns/"));
    EXPECT_EQ(s.SavePath, QStringLiteral("/save/"));
    EXPECT_FALSE(s.checkForUpdates);
    EXPECT_EQ(s.BookInfo, QStringLiteral("<p>Info</p>"));
    EXPECT_EQ((QList<int>{general.BorderLeft, general.BorderTop, general.BorderRight, general.BorderBottom}),
        (QList<int>{16, 17, 18, 19}));
    EXPECT_TRUE(general.AllowQuarterOverCross);
    EXPECT_EQ(general.recentFiles.files(), (QStringList{QStringLiteral("/a.qmk"), QStringLiteral("/b.qmk")}));
}

TEST_F(SettingsTest, NamesAreMatchedWithoutRegardToCase)
{
    SettingsStore store(file());
    store.writeInteger(QStringLiteral("mediumLines"), 33);
    EXPECT_EQ(store.readInteger(QStringLiteral("MediumLines")), 33);
    store.writeInteger(QStringLiteral("MediumLines"), 34);
    EXPECT_EQ(store.readInteger(QStringLiteral("mediumlines")), 34);
    store.sync();
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toLower().count("mediumlines"), 1);
}

TEST_F(SettingsTest, MalformedValuesFallBackToTheirDefaults)
{
    writeIni("[5]\nGeneral\\maxColors=500\nGeneral\\LegendDistance=abc\nGeneral\\CheckForUpdates=yes\n"
             "General\\CheckForUpdatesDate=tomorrow\n");
    Design d;
    GeneralSettings general;
    read(d, general);
    EXPECT_EQ(d.stitch.LegendDistance, 5);
    EXPECT_TRUE(d.stitch.checkForUpdates);
    EXPECT_FALSE(general.updateCheckDue);
    EXPECT_TRUE(general.problems.contains(QStringLiteral("Invalid data type for 'LegendDistance'")));
    EXPECT_EQ(general.problems.size(), 3);
    SettingsStore store(file());
    EXPECT_EQ(store.readInteger(QStringLiteral("LegendDistance")), 5);
}

TEST_F(SettingsTest, UpdateCheckIsDueOnlyWhenEnabledAndThePastDateHasCome)
{
    const double yesterday = DelphiDate::fromDateTime(QDateTime::currentDateTime().addDays(-1));
    for (bool enabled : {true, false}) {
        {
            SettingsStore store(file());
            store.writeInteger(QStringLiteral("maxColors"), 500);
            store.writeBool(QStringLiteral("CheckForUpdates"), enabled);
            store.writeDate(QStringLiteral("CheckForUpdatesDate"), yesterday);
            store.sync();
        }
        Design d;
        GeneralSettings general;
        read(d, general);
        EXPECT_EQ(general.updateCheckDue, enabled);
    }
}

TEST_F(SettingsTest, RecentFilesKeepTheirNumericOrder)
{
    {
        SettingsStore store(file());
        store.writeInteger(QStringLiteral("maxColors"), 500);
        for (int n = 12; n >= 1; --n)
            store.writeSubkeyString(QStringLiteral("LastFiles"), QString::number(n), QStringLiteral("/f%1.qmk").arg(n));
        store.sync();
    }
    Design d;
    GeneralSettings general;
    read(d, general);
    ASSERT_EQ(general.recentFiles.size(), 12);
    EXPECT_EQ(general.recentFiles.files()[1], QStringLiteral("/f2.qmk"));
    EXPECT_EQ(general.recentFiles.files()[9], QStringLiteral("/f10.qmk"));

    // Writing a shorter list leaves the entries beyond its length as they are.
    general.recentFiles.assign({QStringLiteral("/new.qmk")});
    SettingsStore store(file());
    d.stitch.WriteGeneralSettings(store, general);
    EXPECT_EQ(store.readSubkeyString(QStringLiteral("LastFiles"), QStringLiteral("1")), QStringLiteral("/new.qmk"));
    EXPECT_EQ(store.readSubkeyString(QStringLiteral("LastFiles"), QStringLiteral("12")), QStringLiteral("/f12.qmk"));
}

TEST_F(SettingsTest, AStartUpThatChangesNothingLeavesTheFileAlone)
{
    Design first;
    GeneralSettings general;
    read(first, general);
    const auto inode = [this] {
        struct stat s{};
        return ::stat(QFile::encodeName(file()).constData(), &s) == 0 ? s.st_ino : ino_t(0);
    };
    const ino_t before = inode();
    ASSERT_NE(before, ino_t(0));
    Design again;
    SettingsStore store(file());
    again.stitch.ReadGeneralSettings(store, general);
    again.stitch.selectLanguage(again.stitch.DefaultLanguage, &store);
    store.writeInteger(QStringLiteral("MAXCOLORS"), 500); // another spelling is a change
    store.sync();
    EXPECT_NE(inode(), before) << "a change is written";
    const ino_t written = inode();
    Design third;
    SettingsStore unchanged(file());
    third.stitch.ReadGeneralSettings(unchanged, general);
    third.stitch.selectLanguage(third.stitch.DefaultLanguage, &unchanged);
    unchanged.sync();
    EXPECT_EQ(inode(), written) << "rewritten although nothing changed";
}
