// threadwright-cli palettes and symbols, in-process through CommandProcessor over a data folder
// of their own, and once as a real process over the shipped data.
#include "CommandProcessor.h"
#include "support/RecordingDelegate.h"
#include "model/Windows1252.h"
#include "shell/Paths.h"
#include "support/TestEnvironment.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void writeLines(const QString& path, const QStringList& lines)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (const QString& line : lines)
        f.write(Windows1252::fromUnicode(line) + "\r\n");
}

QSet<QString> keysOf(const QJsonObject& o)
{
    const QStringList keys = o.keys();
    return QSet<QString>(keys.begin(), keys.end());
}

// A first start in a settings folder of its own, over a data folder the test fills.
class CatalogueCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedConfig = qgetenv("THREADWRIGHT_CONFIG_DIR");
        qputenv("THREADWRIGHT_CONFIG_DIR", m_config.path().toLocal8Bit());
        QDir(m_data.path()).mkdir(QStringLiteral("palettes"));
        QDir(m_data.path()).mkdir(QStringLiteral("characters"));
    }
    void TearDown() override
    {
        qputenv("THREADWRIGHT_CONFIG_DIR", m_savedConfig);
        Paths::setDataFolder(TestEnvironment::sourceData());
    }

    QString dataFile(const QString& relative) const { return QDir(m_data.path()).filePath(relative); }

    int run(const QStringList& arguments) { return delegate.run(arguments, m_data.path()); }

    void writePalettes()
    {
        writeLines(dataFile(QStringLiteral("palettes/a.ctb")),
            {";$NCotton", ";$V1", "\"Black\", 310, 0, 0, 0, 5", "", "\"Red, bright\", 321, 199, 43, 59, 6"});
        writeLines(dataFile(QStringLiteral("palettes/b.ctb")), {";$NSilk", ";$V2", "Ecru, 240, 234, 218, 0"});
        writeLines(dataFile(QStringLiteral("palettes/c.ctb")), {";$NBroken", ";$V1", "1, x, 0, 0, 0"});
    }

    void writeSymbolSets()
    {
        writeLines(dataFile(QStringLiteral("characters/a.chr")), {"Standard", "Shapes", "VelwickArtSymbols110,,53", "33", "128", "160"});
        writeLines(dataFile(QStringLiteral("characters/b.chr")), {"Letters", "A to C", "Letters", "65", "66", "67"});
        writeLines(dataFile(QStringLiteral("characters/c.chr")), {"Broken", "", "F,,53", "65", "x"});
    }

    RecordingDelegate delegate;

private:
    QTemporaryDir m_config;
    QTemporaryDir m_data;
    QByteArray m_savedConfig;
};
} // namespace

TEST_F(CatalogueCommands, PalettesListsOneLinePerPaletteAndReportsSkippedFiles)
{
    writePalettes();
    ASSERT_EQ(run({QStringLiteral("palettes")}), 0);
    EXPECT_EQ(delegate.printed.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
        (QStringList{QStringLiteral("Cotton v1\t2 colours\t") + dataFile(QStringLiteral("palettes/a.ctb")),
            QStringLiteral("Silk v2\t1 colours\t") + dataFile(QStringLiteral("palettes/b.ctb"))}));
    ASSERT_EQ(delegate.errors.size(), 1);
    EXPECT_TRUE(delegate.errors[0].contains(dataFile(QStringLiteral("palettes/c.ctb"))));
}

TEST_F(CatalogueCommands, PalettesJsonFollowsTheSchema)
{
    writePalettes();
    ASSERT_EQ(run({QStringLiteral("palettes"), QStringLiteral("--json")}), 0);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(delegate.printed.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << delegate.printed.toStdString();
    const QJsonArray palettes = doc.array();
    ASSERT_EQ(palettes.size(), 2);
    const QJsonObject cotton = palettes[0].toObject();
    EXPECT_EQ(keysOf(cotton), (QSet<QString>{"key", "file", "colors"}));
    EXPECT_EQ(cotton[QStringLiteral("key")].toString(), QStringLiteral("Cotton v1"));
    EXPECT_EQ(cotton[QStringLiteral("file")].toString(), dataFile(QStringLiteral("palettes/a.ctb")));
    const QJsonArray colors = cotton[QStringLiteral("colors")].toArray();
    ASSERT_EQ(colors.size(), 2);
    const QJsonObject red = colors[1].toObject();
    EXPECT_EQ(keysOf(red), (QSet<QString>{"id", "name", "rgb", "symbol_index", "order"}));
    EXPECT_EQ(red[QStringLiteral("id")].toString(), QStringLiteral("321"));
    EXPECT_EQ(red[QStringLiteral("name")].toString(), QStringLiteral("Red, bright"));
    EXPECT_EQ(red[QStringLiteral("rgb")].toString(), QStringLiteral("#C72B3B"));
    EXPECT_EQ(red[QStringLiteral("symbol_index")].toInt(), 6);
    // The empty line before it counts.
    EXPECT_EQ(red[QStringLiteral("order")].toInt(), 2);
    EXPECT_EQ(colors[0].toObject()[QStringLiteral("rgb")].toString(), QStringLiteral("#000000"));
    const QJsonObject ecru = palettes[1].toObject()[QStringLiteral("colors")].toArray()[0].toObject();
    EXPECT_EQ(ecru[QStringLiteral("id")].toString(), QStringLiteral("Ecru"));
    EXPECT_EQ(ecru[QStringLiteral("name")].toString(), QStringLiteral("Ecru"));
    EXPECT_EQ(ecru[QStringLiteral("rgb")].toString(), QStringLiteral("#F0EADA"));
}

TEST_F(CatalogueCommands, SymbolsPlainAndJson)
{
    writeSymbolSets();
    ASSERT_EQ(run({QStringLiteral("symbols")}), 0);
    EXPECT_EQ(delegate.printed.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
        (QStringList{QStringLiteral("Standard\t3 symbols\tVelwickArtSymbols110\t") + dataFile(QStringLiteral("characters/a.chr")),
            QStringLiteral("Letters\t3 symbols\tLetters\t") + dataFile(QStringLiteral("characters/b.chr"))}));
    ASSERT_EQ(delegate.errors.size(), 1);
    EXPECT_TRUE(delegate.errors[0].contains(dataFile(QStringLiteral("characters/c.chr"))));

    delegate = RecordingDelegate();
    ASSERT_EQ(run({QStringLiteral("symbols"), QStringLiteral("--json")}), 0);
    const QJsonArray sets = QJsonDocument::fromJson(delegate.printed.toUtf8()).array();
    ASSERT_EQ(sets.size(), 2);
    const QJsonObject standard = sets[0].toObject();
    EXPECT_EQ(keysOf(standard), (QSet<QString>{"name", "description", "font", "charset", "file", "codes"}));
    EXPECT_EQ(standard[QStringLiteral("name")].toString(), QStringLiteral("Standard"));
    EXPECT_EQ(standard[QStringLiteral("description")].toString(), QStringLiteral("Shapes"));
    EXPECT_EQ(standard[QStringLiteral("font")].toString(), QStringLiteral("VelwickArtSymbols110"));
    EXPECT_EQ(standard[QStringLiteral("charset")].toInt(), 53);
    EXPECT_EQ(standard[QStringLiteral("file")].toString(), dataFile(QStringLiteral("characters/a.chr")));
    EXPECT_EQ(standard[QStringLiteral("codes")].toArray(), (QJsonArray{33, 0x20AC, 160}));
    EXPECT_EQ(sets[1].toObject()[QStringLiteral("charset")].toInt(), 57);
}

TEST_F(CatalogueCommands, RhodesListsTheUsersShapesThenTheShippedOnesTheyLack)
{
    const QByteArray shipped = "<rhodes>"
                               "<rhode name=\"Fan\" width=\"1\" height=\"1\" original=\"True\"><stitches>"
                               "<stitch fromx=\"1\" fromy=\"2\" tox=\"0\" toy=\"0\"/></stitches></rhode>"
                               "<rhode name=\"Cross\" width=\"1\" height=\"1\" original=\"True\"/></rhodes>";
    const QByteArray own = "<rhodes>"
                           "<rhode name=\"Mine\" width=\"2\" height=\"1\" original=\"False\"><stitches>"
                           "<stitch fromx=\"0\" fromy=\"0\" tox=\"4\" toy=\"2\"/>"
                           "<stitch fromx=\"4\" fromy=\"0\" tox=\"0\" toy=\"2\"/></stitches></rhode>"
                           "<rhode name=\"Fan\" width=\"1\" height=\"1\" original=\"True\"/></rhodes>";
    const QString shippedFile = dataFile(QStringLiteral("rhodes/rhodes.xml"));
    const auto write = [](const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    ASSERT_TRUE(write(shippedFile, shipped));
    writeLines(dataFile(QStringLiteral("palettes/a.ctb")), {";$NCotton", ";$V1", "\"Black\", 310, 0, 0, 0, 5"});
    ASSERT_EQ(run({QStringLiteral("rhodes")}), 0);
    EXPECT_EQ(delegate.printed,
        QStringLiteral("Fan\t1 x 1\t1 stitches\toriginal\t%1\nCross\t1 x 1\t0 stitches\toriginal\t%1\n").arg(shippedFile));

    const QString ownFile = Paths::userRhodesFolder() + QStringLiteral("rhodes.xml");
    ASSERT_TRUE(write(ownFile, own));
    ASSERT_EQ(run({QStringLiteral("rhodes"), QStringLiteral("--json")}), 0);
    EXPECT_TRUE(delegate.errors.isEmpty());
    const QJsonArray shapes = QJsonDocument::fromJson(delegate.printed.toUtf8()).array();
    ASSERT_EQ(shapes.size(), 3);
    const QJsonObject mine = shapes[0].toObject();
    EXPECT_EQ(keysOf(mine), (QSet<QString>{"name", "width", "height", "original", "stitches", "file"}));
    EXPECT_EQ(mine[QStringLiteral("name")].toString(), QStringLiteral("Mine"));
    EXPECT_EQ(mine[QStringLiteral("width")].toInt(), 2);
    EXPECT_EQ(mine[QStringLiteral("height")].toInt(), 1);
    EXPECT_FALSE(mine[QStringLiteral("original")].toBool());
    EXPECT_EQ(mine[QStringLiteral("file")].toString(), ownFile);
    const QJsonArray stitches = mine[QStringLiteral("stitches")].toArray();
    ASSERT_EQ(stitches.size(), 2);
    EXPECT_EQ(stitches[1].toObject(), (QJsonObject{{"fromx", 4}, {"fromy", 0}, {"tox", 0}, {"toy", 2}}));
    EXPECT_EQ(shapes[1].toObject()[QStringLiteral("stitches")].toArray().size(), 0) << "the user's Fan wins";
    EXPECT_EQ(shapes[2].toObject()[QStringLiteral("name")].toString(), QStringLiteral("Cross"));
    EXPECT_TRUE(shapes[2].toObject()[QStringLiteral("original")].toBool());
    EXPECT_EQ(shapes[2].toObject()[QStringLiteral("file")].toString(), shippedFile);

    ASSERT_TRUE(write(ownFile, "<rhodes>"));
    ASSERT_EQ(run({QStringLiteral("rhodes")}), 0) << "an unreadable file is reported, the listing goes on";
    ASSERT_EQ(delegate.errors.size(), 1);
    EXPECT_TRUE(delegate.errors[0].contains(ownFile));
    EXPECT_EQ(delegate.printed.count(QLatin1Char('\n')), 2);
}

TEST_F(CatalogueCommands, WrongUsageExitsWithTwoAndOneErrorLine)
{
    const QList<QStringList> wrong = {
        {"palettes", "--bogus"}, {"palettes", "extra"}, {"rhodes", "--xml"}, {"symbols", "--json", "x"}, {"symbols", "--data-dir"}};
    for (const QStringList& arguments : wrong) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        delegate = RecordingDelegate();
        EXPECT_EQ(run(arguments), 2);
        EXPECT_TRUE(delegate.printed.isEmpty());
        EXPECT_EQ(delegate.errors.size(), 1);
    }
}

TEST(CatalogueCommandsProcess, ShippedPalettesAsJsonAndWrongUsage)
{
    QTemporaryDir config;
    QTemporaryDir runtime; // without one Qt warns on stderr
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("THREADWRIGHT_CONFIG_DIR"), config.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const auto runCli = [&](const QStringList& arguments, QByteArray& out, QByteArray& err) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(THREADWRIGHT_CLI_PATH), QStringList{"--data", TestEnvironment::sourceData()} + arguments);
        EXPECT_TRUE(p.waitForFinished(60000));
        out = p.readAllStandardOutput();
        err = p.readAllStandardError();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    QByteArray out;
    QByteArray err;
    ASSERT_EQ(runCli({"palettes", "--json"}, out, err), 0) << err.toStdString();
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    QStringList keys;
    int dmcColours = 0;
    for (const QJsonValue& v : QJsonDocument::fromJson(out).array()) {
        keys << v[QStringLiteral("key")].toString();
        if (keys.last() == QLatin1String("DMC Stranded Cotton v1"))
            dmcColours = int(v[QStringLiteral("colors")].toArray().size());
    }
    EXPECT_EQ(keys, (QStringList{"Anchor Stranded Cotton v1", "DMC Stranded Cotton v1"}));
    EXPECT_EQ(dmcColours, 489);

    EXPECT_EQ(runCli({"symbols", "--nope"}, out, err), 2);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
}
