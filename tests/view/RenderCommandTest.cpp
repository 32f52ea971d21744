#include "CommandProcessor.h"
#include "files/QmkWriter.h"
#include "support/RecordingDelegate.h"
#include "support/TestDesigns.h"
#include "support/TestEnvironment.h"
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(RenderCommand, WritesTheViewOfTheWholeDesign)
{
    QTemporaryDir dir;
    auto d = TestDesigns::fromRows({"r.", ".r"}, {{'r', 0x0000FF}});
    d->stitch.setColorsname(QStringLiteral("Test colours"));
    const QString design = dir.filePath(QStringLiteral("two.qmk"));
    ASSERT_TRUE(SaveQMK(*d, design));
    const QString picture = dir.filePath(QStringLiteral("two.png"));

    RecordingDelegate delegate;
    CommandProcessor processor(delegate);
    ASSERT_EQ(processor.run({QStringLiteral("render"), design, QStringLiteral("-o"), picture, QStringLiteral("--zoom"),
                  QStringLiteral("10"), QStringLiteral("--grid"), QStringLiteral("--data"), TestEnvironment::sourceData()}),
        0)
        << delegate.errors.join(QLatin1Char('\n')).toStdString();
    const QImage image(picture);
    ASSERT_EQ(image.size(), QSize(20, 20));
    EXPECT_EQ(image.pixel(5, 5), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(15, 5), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(10, 5), 0xFF808080u); // grid line

    const QStringList wrong[] = {
        {QStringLiteral("render"), design},
        {QStringLiteral("render"), design, QStringLiteral("-o"), picture, QStringLiteral("--zoom"), QStringLiteral("1")},
        {QStringLiteral("render"), design, QStringLiteral("-o"), picture, QStringLiteral("--shadow")},
    };
    for (const QStringList& arguments : wrong)
        EXPECT_EQ(processor.run(arguments), CommandProcessor::Usage) << arguments.join(' ').toStdString();
    EXPECT_EQ(processor.run({QStringLiteral("render"), dir.filePath(QStringLiteral("none.qmk")), QStringLiteral("-o"), picture}),
        CommandProcessor::Failed);
}
