// The rhodes shapes file: what is saved loads back the same, every name of the format is the
// one written, a file that cannot be read leaves the library empty with one message and is never
// replaced by that empty library, and a failed save keeps the old file.
#include "files/RhodesFile.h"
#include "files/XmlDocument.h"
#include "model/RhodeShapes.h"
#include "shell/Startup.h"
#include "support/QmkTestFiles.h"
#include "support/TestEnvironment.h"
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <fcntl.h>
#include "support/TestDesigns.h"
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using QmkTestFiles::readFile;
using QmkTestFiles::writeFile;

namespace {
TRhodeRef shape(const QString& name, int width, int height, bool original, const QList<QList<int>>& stitches)
{
    return TestDesigns::rhodeShape(name, width, height, original, stitches);
}

RhodeShapes sampleLibrary()
{
    RhodeShapes shapes;
    shapes.append(shape(QStringLiteral("Fan 3"), 2, 2, true, {{2, 4, 0, 0}, {2, 4, 2, 0}, {2, 4, 4, 0}}));
    shapes.append(shape(QStringLiteral("Mine <1> & \"quoted\" – Grüße"), 3, 1, false, {{0, 2, 6, 0}, {6, 2, 0, 0}}));
    shapes.append(shape(QString(), 1, 1, false, {}));
    return shapes;
}

void expectSameShapes(const RhodeShapes& actual, const RhodeShapes& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(actual.at(i)->sameContent(*expected.at(i)));
    }
}

// Makes a folder refuse new files: by its permissions, and where those do not bind (for root)
// by the file system's immutable flag.
class UnwritableFolder
{
public:
    explicit UnwritableFolder(const QString& path)
        : m_path(path)
    {
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner);
        if (!canCreateFile())
            return;
        m_immutable = setImmutable(true);
    }
    ~UnwritableFolder()
    {
        if (m_immutable)
            setImmutable(false);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    bool unwritable() { return !canCreateFile(); }

private:
    bool canCreateFile()
    {
        QFile probe(m_path + QStringLiteral("/probe"));
        if (!probe.open(QIODevice::WriteOnly))
            return false;
        probe.close();
        probe.remove();
        return true;
    }

    bool setImmutable(bool on)
    {
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }

    QString m_path;
    bool m_immutable = false;
};

class RhodesFileTest : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    QTemporaryDir m_dir;
    QString file = path(QStringLiteral("rhodes.xml"));
};
} // namespace

TEST_F(RhodesFileTest, SavedShapesLoadBackTheSameInTheSameOrder)
{
    RhodeShapes saved = sampleLibrary();
    ASSERT_TRUE(RhodesFile::save(file, saved));
    RhodeShapes loaded;
    ASSERT_TRUE(RhodesFile::load(file, loaded));
    expectSameShapes(loaded, saved);
    EXPECT_EQ(loaded.currentIndex(), 0);
    EXPECT_EQ(loaded.current(), loaded.at(0));

    ASSERT_TRUE(RhodesFile::save(file, loaded));
    RhodeShapes again;
    ASSERT_TRUE(RhodesFile::load(file, again));
    expectSameShapes(again, saved);
}

TEST_F(RhodesFileTest, TheSavedDocumentUsesEveryNameOfTheFormat)
{
    RhodeShapes saved = sampleLibrary();
    ASSERT_TRUE(RhodesFile::save(file, saved));
    const QByteArray bytes = readFile(file);
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("\n  <rhode ")) << "one element per line, indented";

    const std::optional<XmlDocument> doc = XmlDocument::load(file);
    ASSERT_TRUE(doc);
    const XmlElement root = doc->documentElement();
    EXPECT_EQ(root.name(), QStringLiteral("rhodes"));
    ASSERT_EQ(root.childCount(), 3);
    const XmlElement fan = root.child(0);
    EXPECT_EQ(fan.name(), QStringLiteral("rhode"));
    EXPECT_EQ(fan.attribute(QStringLiteral("name")), QStringLiteral("Fan 3"));
    EXPECT_EQ(fan.attribute(QStringLiteral("width")), QStringLiteral("2"));
    EXPECT_EQ(fan.attribute(QStringLiteral("height")), QStringLiteral("2"));
    EXPECT_EQ(fan.attribute(QStringLiteral("original")), QStringLiteral("True"));
    EXPECT_EQ(root.child(1).attribute(QStringLiteral("original")), QStringLiteral("False"));
    const XmlElement stitches = fan.childByName(QStringLiteral("stitches"));
    ASSERT_EQ(stitches.childCount(), 3);
    const XmlElement last = stitches.child(2);
    EXPECT_EQ(last.name(), QStringLiteral("stitch"));
    EXPECT_EQ(last.attribute(QStringLiteral("fromx")), QStringLiteral("2"));
    EXPECT_EQ(last.attribute(QStringLiteral("fromy")), QStringLiteral("4"));
    EXPECT_EQ(last.attribute(QStringLiteral("tox")), QStringLiteral("4"));
    EXPECT_EQ(last.attribute(QStringLiteral("toy")), QStringLiteral("0"));
    EXPECT_EQ(root.child(2).childByName(QStringLiteral("stitches")).childCount(), 0);
}

TEST_F(RhodesFileTest, HandWrittenFilesReadAsTheFormatAllows)
{
    writeFile(file,
        "<?xml version=\"1.0\"?>\n<library>\n"
        " <rhode name=\"a\" width=\"1\" height=\"1\" original=\"0\"/>\n"
        " <rhode name=\"b\" width=\"1\" height=\"1\" original=\"TRUE\"><stitches/></rhode>\n"
        " <rhode width=\"2\" height=\"1\" original=\"false\">\n"
        "  <stitches><s fromx=\"0\" fromy=\"0\" tox=\"4\" toy=\"2\"/><stitch fromx=\"4\" fromy=\"0\" tox=\"0\" toy=\"2\"/></stitches>\n"
        " </rhode>\n"
        " <rhode name=\"d\" width=\"1\" height=\"1\" original=\"7\"/>\n"
        " <rhode name=\"e\" width=\"1\" height=\"1\"/>\n"
        "</library>\n");
    RhodeShapes shapes;
    ASSERT_TRUE(RhodesFile::load(file, shapes));
    ASSERT_EQ(shapes.size(), 5);
    EXPECT_FALSE(shapes.at(0)->original) << "\"0\" reads as false";
    EXPECT_TRUE(shapes.at(0)->stitches.isEmpty()) << "no stitches element: no stitches";
    EXPECT_TRUE(shapes.at(1)->original);
    EXPECT_TRUE(shapes.at(2)->name.isEmpty());
    EXPECT_FALSE(shapes.at(2)->original);
    ASSERT_EQ(shapes.at(2)->stitches.size(), 2);
    EXPECT_EQ(shapes.at(2)->stitches[0].ToPoint, QPoint(4, 2));
    EXPECT_EQ(shapes.at(2)->stitches[1].FromPoint, QPoint(4, 0));
    EXPECT_TRUE(shapes.at(3)->original);
    EXPECT_FALSE(shapes.at(4)->original) << "no original attribute: a shape of the user's";
}

TEST_F(RhodesFileTest, AMissingFileGivesAnEmptyLibraryWithoutMessage)
{
    RhodeShapes shapes = sampleLibrary();
    EXPECT_TRUE(RhodesFile::load(path(QStringLiteral("none.xml")), shapes));
    EXPECT_TRUE(shapes.isEmpty());
    EXPECT_EQ(shapes.currentIndex(), -1);
    EXPECT_EQ(shapes.current(), nullptr);
    EXPECT_TRUE(shapes.unreadableFile().isEmpty());
}

TEST_F(RhodesFileTest, AnUnreadableFileIsNeverReplacedByTheEmptyLibrary)
{
    struct Unreadable
    {
        const char* name;
        QByteArray content;
        QStringList inMessage;
    };
    const auto oneShape = [](const char* attributes, const char* stitch = "") {
        return QByteArray("<rhodes><rhode name=\"x\" ") + attributes + "><stitches>" + stitch + "</stitches></rhode></rhodes>";
    };
    const std::vector<Unreadable> cases = {
        {"not well-formed", "<rhodes><rhode name=\"a\" width=\"1\"", {"cannot be read", "line"}},
        {"not XML", "just words", {"cannot be read"}},
        {"an empty file", "", {"cannot be read"}},
        {"a width that is no number", oneShape("width=\"two\" height=\"1\""), {"shape 1", "\"two\" in width"}},
        {"width 0", oneShape("width=\"0\" height=\"1\""), {"\"0\" in width"}},
        {"no height", oneShape("width=\"1\""), {"\"\" in height"}},
        {"a height beyond the largest box", oneShape("width=\"1\" height=\"101\""), {"\"101\" in height"}},
        {"an original that is no boolean", oneShape("width=\"1\" height=\"1\" original=\"yes\""), {"\"yes\" in original"}},
        {"a point outside the box", oneShape("width=\"1\" height=\"1\"", "<stitch fromx=\"0\" fromy=\"0\" tox=\"3\" toy=\"2\"/>"),
            {"\"3\" in tox"}},
        {"a negative point", oneShape("width=\"1\" height=\"1\"", "<stitch fromx=\"0\" fromy=\"-1\" tox=\"2\" toy=\"2\"/>"),
            {"\"-1\" in fromy"}},
        {"a fraction", oneShape("width=\"1\" height=\"1\"", "<stitch fromx=\"0\" fromy=\"0\" tox=\"1.5\" toy=\"2\"/>"),
            {"\"1.5\" in tox"}},
    };
    for (const Unreadable& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(file, c.content);
        RhodeShapes shapes = sampleLibrary();
        const Status loaded = RhodesFile::load(file, shapes);
        ASSERT_FALSE(loaded);
        const QString text = loaded.text();
        EXPECT_TRUE(text.contains(file)) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("The rhodes tool has no shapes"))) << text.toStdString();
        for (const QString& part : c.inMessage)
            EXPECT_TRUE(text.contains(part)) << text.toStdString();
        EXPECT_TRUE(shapes.isEmpty());
        EXPECT_EQ(shapes.current(), nullptr);

        EXPECT_TRUE(RhodesFile::save(file, shapes));
        EXPECT_EQ(readFile(file), c.content) << "the empty library was written over the file";
        EXPECT_FALSE(QFile::exists(file + QStringLiteral(".unreadable")));
    }
}

TEST_F(RhodesFileTest, ShapesAddedAfterAFailedLoadAreSavedAndTheUnreadableFileIsCopiedAside)
{
    const QByteArray broken = "<rhodes><rhode name=\"mine\" width=\"2\" height=\"2\"><stitches><stitch fromx=\"0\"";
    writeFile(file, broken);
    writeFile(file + QStringLiteral(".unreadable"), "an older copy");
    RhodeShapes shapes;
    ASSERT_FALSE(RhodesFile::load(file, shapes));
    EXPECT_EQ(shapes.unreadableFile(), file);

    shapes.append(shape(QStringLiteral("New"), 1, 1, false, {{0, 0, 2, 2}}));
    ASSERT_TRUE(RhodesFile::save(file, shapes));
    EXPECT_EQ(readFile(file + QStringLiteral(".unreadable")), QByteArray("an older copy"));
    EXPECT_EQ(readFile(file + QStringLiteral(".unreadable-2")), broken);
    EXPECT_TRUE(shapes.unreadableFile().isEmpty());
    RhodeShapes loaded;
    ASSERT_TRUE(RhodesFile::load(file, loaded));
    expectSameShapes(loaded, shapes);

    // From now on the file is the library's own: emptying the library empties the file.
    ASSERT_TRUE(shapes.remove(0));
    ASSERT_TRUE(RhodesFile::save(file, shapes));
    ASSERT_TRUE(RhodesFile::load(file, loaded));
    EXPECT_TRUE(loaded.isEmpty());
}

TEST_F(RhodesFileTest, AFailedSaveKeepsTheOldFile)
{
    RhodeShapes old = sampleLibrary();
    ASSERT_TRUE(RhodesFile::save(file, old));
    const QByteArray before = readFile(file);
    RhodeShapes changed;
    changed.append(shape(QStringLiteral("Other"), 1, 1, false, {{0, 0, 2, 2}}));
    {
        UnwritableFolder folder(m_dir.path());
        if (!folder.unwritable())
            GTEST_SKIP() << "this file system lets every user write into any folder";
        const Status saved = RhodesFile::save(file, changed);
        ASSERT_FALSE(saved);
        EXPECT_TRUE(saved.text().contains(QStringLiteral("Could not write the file %1").arg(file))) << saved.text().toStdString();
    }
    EXPECT_EQ(readFile(file), before);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("rhodes.xml")});
}

TEST_F(RhodesFileTest, TheShippedLibraryHasOurOriginalShapes)
{
    RhodeShapes shapes;
    const Status loaded = Startup::loadRhodeShapes(TestEnvironment::sourceData(QStringLiteral("rhodes/")), shapes);
    ASSERT_TRUE(loaded) << loaded.text().toStdString();
    EXPECT_GE(shapes.size(), 8);
    EXPECT_EQ(shapes.currentIndex(), 0);
    QSet<QString> names;
    for (const TRhodeRef& s : shapes.shapes()) {
        SCOPED_TRACE(s->name.toStdString());
        EXPECT_TRUE(s->original);
        EXPECT_FALSE(s->name.isEmpty());
        names.insert(s->name);
        EXPECT_LE(s->width, 4);
        EXPECT_LE(s->height, 4);
        ASSERT_FALSE(s->stitches.isEmpty());
        QSet<QPair<int, int>> seen;
        for (const TBackStitch& st : s->stitches) {
            EXPECT_GT(stitchLength(st.FromPoint, st.ToPoint), 0);
            const auto key = qMakePair(st.FromPoint.x() * 100 + st.FromPoint.y(), st.ToPoint.x() * 100 + st.ToPoint.y());
            EXPECT_FALSE(seen.contains(key)) << "a stitch twice";
            seen.insert(key);
        }
    }
    EXPECT_EQ(names.size(), shapes.size()) << "names are unique";
    EXPECT_TRUE(names.contains(QStringLiteral("Fan 3")));
    EXPECT_TRUE(names.contains(QStringLiteral("Star 8")));
    EXPECT_TRUE(names.contains(QStringLiteral("Half sun")));
}
