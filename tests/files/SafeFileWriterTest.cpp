// A failed save names its real cause and leaves the old file whole.
#include "files/SafeFileWriter.h"
#include "support/FileSizeLimit.h"
#include "support/QmkTestFiles.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SafeFileWriter, AFailedSaveNamesTheSystemsReasonAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(QStringLiteral("design.qmk"));
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old design");
    old.close();
    struct Case
    {
        const char* what;
        QString target;
        qsizetype bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"bytes beyond what the disk takes", file, 1 << 20, "File too large"},
        {"a folder that does not exist", QDir(dir.path()).filePath(QStringLiteral("gone/design.qmk")), 10,
            "No such file or directory"},
        {"a folder in the file's place", dir.path(), 10, "refers to a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Status saved;
        {
            FileSizeLimit limit(64 * 1024);
            saved = SafeFileWriter::writeBytes(c.target, QByteArray(c.bytes, 'x'));
        }
        ASSERT_FALSE(saved);
        EXPECT_TRUE(saved.text().endsWith(QString::fromLatin1(c.reason))) << saved.text().toStdString();
        EXPECT_EQ(QmkTestFiles::readFile(file), QByteArray("the old design"));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("design.qmk")}) << "no temporary left";
}
