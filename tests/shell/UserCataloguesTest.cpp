// The user's own palettes, symbol sets and rhodes shapes laid over the shipped folders.
#include "editors/PaletteDocument.h"
#include "editors/PaletteList.h"
#include "editors/RhodeShapeEditor.h"
#include "files/RhodesFile.h"
#include "files/XmlDocument.h"
#include "model/Design.h"
#include "model/RhodeShapes.h"
#include "shell/Paths.h"
#include "shell/Startup.h"
#include "support/TestDesigns.h"
#include "support/TestEnvironment.h"
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// A private user folder for one test, so that nothing written here reaches other tests.
class OwnConfigDir
{
public:
    OwnConfigDir()
        : m_old(qgetenv("THREADWRIGHT_CONFIG_DIR"))
    {
        qputenv("THREADWRIGHT_CONFIG_DIR", m_dir.path().toLocal8Bit());
    }
    ~OwnConfigDir() { qputenv("THREADWRIGHT_CONFIG_DIR", m_old); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

// A read-only copy of the shipped data folder.
class ShippedCopy
{
public:
    ShippedCopy()
    {
        for (const char* sub : {"palettes", "characters", "rhodes"}) {
            const QString from = TestEnvironment::sourceData(QString::fromLatin1(sub));
            QDir().mkpath(path(sub));
            for (const QString& f : QDir(from).entryList(QDir::Files))
                QFile::copy(from + QLatin1Char('/') + f, path(sub) + f);
        }
        QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("a-w"), m_dir.path()});
    }
    ~ShippedCopy() { QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+w"), m_dir.path()}); }
    QString path(const char* sub) const { return m_dir.filePath(QString::fromLatin1(sub)) + QLatin1Char('/'); }

    // A fingerprint of every byte and name under the copy.
    QByteArray digest() const
    {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        QDirIterator it(m_dir.path(), QDir::Files, QDirIterator::Subdirectories);
        QStringList files;
        while (it.hasNext())
            files << it.next();
        files.sort();
        for (const QString& f : files) {
            QFile file(f);
            file.open(QIODevice::ReadOnly);
            hash.addData(f.toUtf8());
            hash.addData(file.readAll());
        }
        return hash.result();
    }

private:
    QTemporaryDir m_dir;
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList catalogueKeys(const ShippedCopy& shipped, Design& design)
{
    design.stitch.PalettesPath = shipped.path("palettes");
    design.stitch.CharactersPath = shipped.path("characters");
    EXPECT_TRUE(Startup::loadCatalogues(design).isEmpty());
    QStringList keys;
    for (const auto& [key, table] : design.stitch.ColorPalettes)
        keys << key;
    return keys;
}
} // namespace

TEST(UserCatalogues, AUserFileShadowsTheShippedFileOfItsNameAndAUserOnlyFileJoins)
{
    OwnConfigDir config;
    ShippedCopy shipped;
    const QByteArray before = shipped.digest();
    Design design;
    const QStringList shippedKeys = catalogueKeys(shipped, design);
    ASSERT_EQ(shippedKeys.size(), 2);

    // The user's dmc.ctb replaces the shipped one; "zz.ctb" is the user's alone.
    PaletteDocument doc;
    ASSERT_TRUE(doc.loadpalette(shipped.path("palettes") + QStringLiteral("dmc.ctb")).isOk());
    doc.setCurrent(0);
    doc.deleteCurrent();
    ASSERT_TRUE(doc.savePalette(Paths::userPalettesFolder() + QStringLiteral("dmc.ctb"), QStringLiteral("My DMC"), QStringLiteral("2")).isOk());
    ASSERT_TRUE(doc.savePalette(Paths::userPalettesFolder() + QStringLiteral("zz.ctb"), QStringLiteral("Mine"), QStringLiteral("1")).isOk());
    writeFile(Paths::userCharactersFolder() + QStringLiteral("own.chr"), "Own\r\nMine\r\nVelwickArtSymbols110,,53\r\n65\r\n");
    writeFile(Paths::userRhodesFolder() + QStringLiteral("rhodes.xml"), "not xml");

    const QStringList keys = catalogueKeys(shipped, design);
    EXPECT_EQ(keys.size(), 3);
    EXPECT_TRUE(keys.contains(QStringLiteral("My DMC v2")));
    EXPECT_TRUE(keys.contains(QStringLiteral("Mine v1")));
    EXPECT_EQ(design.stitch.palette(QStringLiteral("My DMC v2"))->size(), doc.colors().size());
    EXPECT_TRUE(design.stitch.characters.contains(QStringLiteral("Own")));
    RhodeShapes shapes;
    EXPECT_FALSE(Startup::loadRhodeShapes(shipped.path("rhodes"), shapes).isOk()); // the user's file was read

    const QList<PaletteFileEntry> list = PaletteList::readPalettes(Paths::userPalettesFolder(), shipped.path("palettes"));
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[1].fileName, QStringLiteral("dmc.ctb"));
    EXPECT_EQ(list[1].path, Paths::userPalettesFolder() + QStringLiteral("dmc.ctb"));
    EXPECT_EQ(list[1].name, QStringLiteral("My DMC"));
    EXPECT_EQ(list[1].version, QStringLiteral("2"));
    EXPECT_EQ(shipped.digest(), before);
}

TEST(UserCatalogues, TheListRefusesFileNamesOutsideItsFolderAndSameVersionsElsewhere)
{
    const QList<PaletteFileEntry> files = {{QStringLiteral("a.ctb"), {}, QStringLiteral("A"), QStringLiteral("1")},
        {QStringLiteral("b.ctb"), {}, QStringLiteral("B"), QStringLiteral("1")}};
    using Step = PaletteList::OkStep;
    struct Case
    {
        const char* what;
        PaletteList::Proposal proposal;
        bool saved;
        bool confirmed;
        Step step;
    };
    const PaletteList::Proposal original{QStringLiteral("a.ctb"), QStringLiteral("A"), QStringLiteral("1")};
    const Case cases[] = {
        {"a path", {"../x.ctb", "X", "1"}, false, false, Step::BadFileName},
        {"a dot dot", {"..", "X", "1"}, false, false, Step::BadFileName},
        {"nothing before the extension", {".ctb", "X", "1"}, false, false, Step::BadFileName},
        {"a new file", {"c.ctb", "C", "1"}, false, false, Step::Close},
        {"an existing file", {"b.ctb", "C", "1"}, false, false, Step::AskOverride},
        {"an existing file, override confirmed", {"b.ctb", "C", "1"}, false, true, Step::Close},
        {"the same name and version as another file", {"c.ctb", "B", "1"}, false, false, Step::SameVersion},
        {"the saved palette unchanged but for letter case", {"A.CTB", "a", "1"}, true, false, Step::Close},
        {"an unsaved palette over its own proposed file", {"a.ctb", "A", "1"}, false, false, Step::AskOverride},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PaletteList::okStep(files, c.proposal, original, c.saved, c.confirmed), c.step);
    }
    EXPECT_EQ(PaletteList::withExtension(QStringLiteral("mine.txt")), QStringLiteral("mine.ctb"));
    EXPECT_EQ(PaletteList::withExtension(QStringLiteral("mine")), QStringLiteral("mine.ctb"));
    EXPECT_EQ(PaletteList::withExtension(QStringLiteral("mine.CTB")), QStringLiteral("mine.CTB"));
}

namespace {
QStringList namesOf(const RhodeShapes& shapes)
{
    QStringList names;
    for (const TRhodeRef& s : shapes.shapes())
        names << s->name;
    return names;
}

QString ownRhodesFile()
{
    return RhodesFile::fileIn(Paths::userRhodesFolder());
}

// Adds a shape of one stitch through the editor, as the window does.
void addShape(RhodeShapes& shapes, const QString& name)
{
    RhodeShapeEditor editor(shapes);
    editor.beginNew();
    editor.click(QPointF(0, 0));
    editor.click(QPointF(100, 50));
    ASSERT_EQ(editor.confirm(name), RhodeShapeEditor::Refusal::none);
}
} // namespace

TEST(UserCatalogues, TheRhodesEditorSavesIntoTheUsersFileWhichTheNextStartReads)
{
    OwnConfigDir config;
    ShippedCopy shipped;
    const QByteArray before = shipped.digest();
    const QString shippedFile = RhodesFile::fileIn(shipped.path("rhodes"));
    RhodeShapes shapes;
    QStringList files;
    ASSERT_TRUE(Startup::loadRhodeShapes(shipped.path("rhodes"), shapes, &files));
    const QStringList originals = namesOf(shapes);
    EXPECT_EQ(files, QStringList(shapes.size(), shippedFile));

    addShape(shapes, QStringLiteral("Mine"));
    const Status saved = RhodeShapeEditor::save(shapes, ownRhodesFile());
    ASSERT_TRUE(saved) << saved.text().toStdString();
    EXPECT_EQ(shipped.digest(), before) << "the shipped folder is never written";

    RhodeShapes again;
    ASSERT_TRUE(Startup::loadRhodeShapes(shipped.path("rhodes"), again, &files));
    EXPECT_EQ(namesOf(again), originals + QStringList{QStringLiteral("Mine")});
    EXPECT_EQ(files, QStringList(again.size(), ownRhodesFile()));
}

TEST(UserCatalogues, ShippedShapesMissingFromTheUsersRhodesFileAreAppended)
{
    OwnConfigDir config;
    ShippedCopy shipped;
    const QString shippedFile = RhodesFile::fileIn(shipped.path("rhodes"));
    RhodeShapes all;
    ASSERT_TRUE(Startup::loadRhodeShapes(shipped.path("rhodes"), all));
    ASSERT_GE(all.size(), 3);

    // An older user file: one shipped shape, and one of the user's own that has a shipped name
    // but is not original (it stays the user's, and the shipped one of that name stays out).
    RhodeShapes older;
    older.append(all.at(1));
    older.append(TestDesigns::rhodeShape(all.at(2)->name, 1, 1, false, {{0, 0, 2, 2}}));
    older.append(TestDesigns::rhodeShape(QStringLiteral("Mine"), 1, 1, false, {{0, 2, 2, 0}}));
    ASSERT_TRUE(RhodeShapeEditor::save(older, ownRhodesFile()));

    RhodeShapes merged;
    QStringList files;
    ASSERT_TRUE(Startup::loadRhodeShapes(shipped.path("rhodes"), merged, &files));
    QStringList expected = namesOf(older);
    for (int i = 0; i < all.size(); ++i) {
        if (i != 1 && i != 2)
            expected << all.at(i)->name;
    }
    EXPECT_EQ(namesOf(merged), expected);
    EXPECT_FALSE(merged.at(1)->original);
    EXPECT_TRUE(merged.at(3)->original);
    EXPECT_EQ(files.mid(0, 3), QStringList(3, ownRhodesFile()));
    EXPECT_EQ(files.mid(3), QStringList(merged.size() - 3, shippedFile));
}

TEST(UserCatalogues, AnUnreadableUsersRhodesFileIsKeptAsideWhenTheEditorSaves)
{
    OwnConfigDir config;
    ShippedCopy shipped;
    writeFile(ownRhodesFile(), "<rhodes><rhode width=\"x\"/></rhodes>");
    RhodeShapes shapes;
    EXPECT_FALSE(Startup::loadRhodeShapes(shipped.path("rhodes"), shapes));
    EXPECT_FALSE(shapes.isEmpty()) << "the shipped shapes stay available";
    EXPECT_TRUE(shapes.at(0)->original);

    addShape(shapes, QStringLiteral("Mine"));
    ASSERT_TRUE(RhodeShapeEditor::save(shapes, ownRhodesFile()));
    QFile aside(ownRhodesFile() + QStringLiteral(".unreadable"));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), QByteArray("<rhodes><rhode width=\"x\"/></rhodes>"));
    RhodeShapes again;
    ASSERT_TRUE(Startup::loadRhodeShapes(shipped.path("rhodes"), again));
    EXPECT_EQ(namesOf(again), namesOf(shapes));
}

TEST(UserCatalogues, ARhodesLibraryTooLargeToReadBackIsNotWritten)
{
    OwnConfigDir config;
    RhodeShapes shapes;
    addShape(shapes, QStringLiteral("Small"));
    ASSERT_TRUE(RhodeShapeEditor::save(shapes, ownRhodesFile()));
    QFile file(ownRhodesFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    // A name is the quickest way to a file past the limit; thousands of stitches get there too.
    const QString huge(int(XmlDocument::kMaxFileBytes), QLatin1Char('x'));
    shapes.append(TestDesigns::rhodeShape(huge, 1, 1, false, {{0, 0, 2, 2}}));
    const Status saved = RhodeShapeEditor::save(shapes, ownRhodesFile());
    EXPECT_FALSE(saved);
    EXPECT_TRUE(saved.text().contains(QString::number(XmlDocument::kMaxFileBytes))) << saved.text().toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}
