#include "printing/PdfPageTarget.h"
#include "support/PdfInfo.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray contents(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QPageLayout kA4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
} // namespace

TEST(PdfPageTarget, WritesTheDrawnPagesOnPaperAtTheResolution)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("chart.pdf"));
    PdfPageTarget pdf(name, kA4, 1200, QStringLiteral("Rose"));
    ASSERT_TRUE(pdf.open());
    EXPECT_NEAR(pdf.pageSize().width(), 210 / 25.4 * 1200, 10);
    EXPECT_NEAR(pdf.pageSize().height(), 297 / 25.4 * 1200, 10);
    pdf.painter().drawText(100, 100, QStringLiteral("page one"));
    ASSERT_TRUE(pdf.newPage());
    pdf.painter().drawText(100, 100, QStringLiteral("page two"));
    ASSERT_TRUE(pdf.finish());
    const PdfInfo info = PdfInfo::of(name);
    EXPECT_EQ(info.pages, 2);
    EXPECT_EQ(info.title, QStringLiteral("Rose"));
    EXPECT_TRUE(info.pageSize.contains(QStringLiteral("(A4)"))) << info.pageSize.toStdString();
}

TEST(PdfPageTarget, AnAbortLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("chart.pdf"));
    QFile old(name);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    {
        PdfPageTarget pdf(name, kA4, 300, QString());
        ASSERT_TRUE(pdf.open());
        pdf.painter().drawText(10, 10, QStringLiteral("gone"));
        pdf.abort();
    }
    EXPECT_EQ(contents(name), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    PdfPageTarget nowhere(dir.filePath(QStringLiteral("missing/chart.pdf")), kA4, 300, QString());
    EXPECT_FALSE(nowhere.open());
}
