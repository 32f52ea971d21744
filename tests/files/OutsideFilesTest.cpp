// Files from outside that once made a reader crash, hang, hold too much or mislead (most found
// by the fuzz targets in fuzz/), kept in tests/fixtures/<reader>/: each must now give exactly
// its outcome through the entry point the program uses, with a message naming the file when it
// is refused. And files just beyond each size limit are refused before they are held.
#include "files/DesignFiles.h"
#include "files/RhodesFile.h"
#include "files/XmlDocument.h"
#include "model/Design.h"
#include "model/PaletteLoader.h"
#include "model/RhodeShapes.h"
#include "model/SymbolSetLoader.h"
#include "model/TextFile.h"
#include "shell/GeneralSettings.h"
#include "shell/Paths.h"
#include "shell/SettingsStore.h"
#include "shell/Startup.h"
#include "support/TestEnvironment.h"
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The folders of tests/fixtures/ whose files are regression files of the readers.
const QStringList kReaderFolders = {
    QStringLiteral("qmk"),
    QStringLiteral("stv"),
    QStringLiteral("ctb"),
    QStringLiteral("chr"),
    QStringLiteral("rhodes"),
};

struct Outcome
{
    Status status;
    QList<Status> warnings;
};

std::unique_ptr<Design> freshDesign()
{
    SettingsStore store(Paths::settingsFile());
    GeneralSettings general;
    auto design = Startup::createDocument(store, general);
    Startup::loadCatalogues(*design);
    return design;
}

// The file through the reader the program uses for its folder.
Outcome open(const QString& fileName)
{
    const QString folder = QFileInfo(fileName).dir().dirName();
    if (folder == QLatin1String("ctb")) {
        TPaletteCatalogue catalogue;
        return {PaletteLoader::loadFile(fileName, catalogue), {}};
    }
    if (folder == QLatin1String("chr")) {
        TSymbolSetCatalogue catalogue;
        return {SymbolSetLoader::loadFile(fileName, catalogue), {}};
    }
    if (folder == QLatin1String("rhodes")) {
        RhodeShapes shapes;
        return {RhodesFile::load(fileName, shapes), {}};
    }
    auto design = freshDesign();
    const DesignFiles::LoadResult loaded = DesignFiles::load(fileName, *design);
    return {loaded.status, loaded.warnings};
}

struct Case
{
    const char* fixture;
    // A part of the refusal, or null when the file opens.
    const char* refusal;
};

const Case kCases[] = {
    // A count beyond the format's limit, in a file that claims to be 2 GB long: refused before
    // anything is held, not read item by item as a file cut short.
    {"qmk/colour-count-beyond-limit.qmk", "at byte 236 is larger than any design file holds"},
    // A string longer than the writer writes, in the same kind of file: strings are read up to
    // the bytes left, so this is a file cut short and opens with what it holds.
    {"qmk/string-beyond-the-writers-clip.qmk", nullptr},
    // Back stitches and a rhode with ends at the extremes of the coordinates: their lengths
    // overflowed while the colours were counted, and the view's tiles overflowed on them.
    {"qmk/stitches-far-off-the-design.qmk", "the stitch at byte 396 lies far outside any design"},
    // Stitches and a knot off the design, up to the farthest point allowed, as saved excerpts
    // keep them: they load.
    {"qmk/stitches-off-the-design.qmk", nullptr},
    // A height of 2 147 483 647: the half-cell bound of the stitches was computed from it and
    // overflowed; the bad value now stops the shape before anything uses it.
    {"rhodes/height-beyond-any-int.xml", "shape 1 has the value \"+2147483647\" in height"},
    // 65 levels of elements: a freed tree is taken down one level per call.
    {"rhodes/nested-too-deep.xml", "nested deeper than 64 levels"},
};
} // namespace

TEST(OutsideFiles, EveryRegressionFileGivesItsOutcome)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.fixture);
        const QString fileName = TestEnvironment::fixture(QString::fromLatin1(c.fixture));
        ASSERT_TRUE(QFile::exists(fileName));
        const Outcome outcome = open(fileName);
        if (!c.refusal) {
            EXPECT_TRUE(outcome.status) << outcome.status.text().toStdString();
            continue;
        }
        ASSERT_FALSE(outcome.status);
        EXPECT_TRUE(outcome.status.text().contains(fileName)) << outcome.status.text().toStdString();
        EXPECT_TRUE(outcome.status.text().contains(QString::fromUtf8(c.refusal))) << outcome.status.text().toStdString();
    }
}

TEST(OutsideFiles, EveryRegressionFileIsListed)
{
    QSet<QString> listed;
    for (const Case& c : kCases)
        listed.insert(QString::fromLatin1(c.fixture));
    for (const QString& folder : kReaderFolders) {
        QDirIterator it(TestEnvironment::fixture(folder), QDir::Files);
        while (it.hasNext()) {
            const QString name = folder + QLatin1Char('/') + QFileInfo(it.next()).fileName();
            EXPECT_TRUE(listed.contains(name)) << name.toStdString() << " has no expected outcome";
        }
    }
}

TEST(OutsideFiles, TextAndXmlFilesBeyondTheirLimitAreRefusedNamingTheFile)
{
    QTemporaryDir dir;
    struct Limit
    {
        const char* name;
        qint64 limit;
        QByteArray line;
    };
    const Limit limits[] = {
        {"ctb", TextFile::kMaxFileBytes, ";$NBig\r\n"},
        {"chr", TextFile::kMaxFileBytes, "Big\r\n"},
        {"rhodes", XmlDocument::kMaxFileBytes, "<rhodes><!-- -->"},
    };
    for (const Limit& l : limits) {
        SCOPED_TRACE(l.name);
        const QString sub = dir.filePath(QString::fromLatin1(l.name));
        QDir().mkpath(sub);
        const QString fileName = sub + QStringLiteral("/big.") + QString::fromLatin1(l.name);
        for (const qint64 size : {l.limit, l.limit + 1}) {
            const QByteArray end = "</rhodes>";
            const QByteArray bytes = l.line + QByteArray(size - l.line.size() - end.size(), ' ') + end;
            QFile f(fileName);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
            f.close();
            const Status status = open(fileName).status;
            if (size > l.limit) {
                ASSERT_FALSE(status);
                EXPECT_TRUE(status.text().contains(fileName));
                EXPECT_TRUE(status.text().contains(QStringLiteral("larger than"))) << status.text().toStdString();
            } else {
                EXPECT_FALSE(status.text().contains(QStringLiteral("larger than"))) << status.text().toStdString();
            }
        }
    }
}
