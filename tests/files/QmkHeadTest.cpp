#include "files/QmkReader.h"
#include "support/QmkTestFiles.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ReadQMKSize, ReadsTheSizeFromTheHeadAlone)
{
    QmkTestFiles::Content content;
    content.width = 7;
    content.height = 3;
    const QByteArray whole = QmkTestFiles::build(content);
    QTemporaryDir dir;
    const struct
    {
        const char* name;
        QByteArray bytes;
        std::optional<QSize> size;
    } cases[] = {
        {"whole file", whole, QSize(7, 3)},
        // The body is not read, so a file cut after its head still tells its size.
        {"cut after the head", whole.left(whole.size() - 40), QSize(7, 3)},
        {"cut inside the head", whole.left(60), std::nullopt},
        {"not a design file", QByteArray("GIF89a").repeated(20), std::nullopt},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        QmkTestFiles::writeFile(path, c.bytes);
        EXPECT_EQ(ReadQMKSize(path), c.size) << c.name;
    }
    EXPECT_EQ(ReadQMKSize(dir.filePath(QStringLiteral("missing.qmk"))), std::nullopt);
}
