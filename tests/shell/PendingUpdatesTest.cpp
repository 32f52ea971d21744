#include "files/XmlDocument.h"
#include "shell/PendingUpdates.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(PendingUpdates, CopiesInsideTheFoldersAndRecordsVersions)
{
    QTemporaryDir install;
    QTemporaryDir download;
    writeFile(download.filePath(QStringLiteral("de.html")), "neue Hilfe");
    writeFile(install.filePath(QStringLiteral("palettes/old.ctb")), "old");
    writeFile(install.filePath(QStringLiteral("incoming/new.ctb")), ";$NNew");
    writeFile(install.filePath(QStringLiteral("CurrentVersion.xml")),
        "<CurrentVersion><Helps><Help Language=\"deutsch\" Major=\"1\" Minor=\"0\" Release=\"0\"/></Helps><Palettes/></CurrentVersion>");
    writeFile(install.filePath(QStringLiteral("updates.xml")),
        QStringLiteral("<Updates><Helps><Help Language=\"deutsch\" Major=\"2\" Minor=\"1\" Release=\"3\" Source=\"%1\" "
                       "Destination=\"help/deutsch.html\"/></Helps><Palettes><Palette Name=\"New\" Major=\"1\" Minor=\"0\" "
                       "Release=\"0\" Source=\"incoming/new.ctb\" Destination=\"palettes/new.ctb\"/></Palettes></Updates>")
            .arg(download.filePath(QStringLiteral("de.html")))
            .toUtf8());
    QDir().mkpath(install.filePath(QStringLiteral("help")));

    PendingUpdates updates(install.path(), download.path());
    ASSERT_TRUE(updates.pending());
    EXPECT_TRUE(updates.apply().isEmpty());

    EXPECT_EQ(readFile(install.filePath(QStringLiteral("help/deutsch.html"))), QByteArray("neue Hilfe"));
    EXPECT_EQ(readFile(install.filePath(QStringLiteral("palettes/new.ctb"))), QByteArray(";$NNew"));
    EXPECT_FALSE(QFile::exists(install.filePath(QStringLiteral("updates.xml"))));
    const auto current = XmlDocument::load(install.filePath(QStringLiteral("CurrentVersion.xml")));
    ASSERT_TRUE(current);
    const XmlElement help = current->documentElement().childByName(QStringLiteral("Helps")).child(0);
    EXPECT_EQ(help.attribute(QStringLiteral("Major")), QStringLiteral("2"));
    EXPECT_EQ(help.attribute(QStringLiteral("Release")), QStringLiteral("3"));
    const XmlElement palette = current->documentElement().childByName(QStringLiteral("Palettes")).child(0);
    EXPECT_EQ(palette.attribute(QStringLiteral("Name")), QStringLiteral("New"));
}

TEST(PendingUpdates, RefusesPathsThatLeaveTheirFolders)
{
    QTemporaryDir outside;
    QTemporaryDir install;
    writeFile(outside.filePath(QStringLiteral("victim.txt")), "keep me");
    writeFile(install.filePath(QStringLiteral("payload.txt")), "evil");
    const QString victim = outside.filePath(QStringLiteral("victim.txt"));
    const QStringList destinations = {victim, QStringLiteral("../") + QDir(install.path()).relativeFilePath(victim),
        QStringLiteral("sub/../../escape.txt")};
    for (const QString& destination : destinations) {
        SCOPED_TRACE(destination.toStdString());
        writeFile(install.filePath(QStringLiteral("updates.xml")),
            QStringLiteral("<U><Palettes><Palette Name=\"x\" Source=\"payload.txt\" Destination=\"%1\"/></Palettes>"
                           "<Helps><Help Language=\"x\" Source=\"%2\" Destination=\"ok.txt\"/></Helps></U>")
                .arg(destination.toHtmlEscaped(), QStringLiteral("&quot; &amp; rm -rf ~ &amp; &quot;"))
                .toUtf8());
        const QList<Status> messages = PendingUpdates(install.path(), QString()).apply();
        EXPECT_EQ(messages.size(), 2);
        EXPECT_EQ(readFile(victim), QByteArray("keep me"));
        EXPECT_FALSE(QFile::exists(install.filePath(QStringLiteral("ok.txt"))));
    }
}
