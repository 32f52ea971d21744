#include "BookFixture.h"
#include "PageTargets.h"
#include "printing/ChartBook.h"
#include "printing/KeyPainter.h"
#include "printing/PageContext.h"
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using F = BookFixture;

namespace {
QString run(const char* tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (program.isEmpty())
        return QString();
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The fixture as an A4 PDF at 1200 dpi.
struct PdfBook
{
    explicit PdfBook(F& f)
        : file(dir.filePath(QStringLiteral("book.pdf")))
    {
        f.preview.options.exportImage = false;
        f.preview.setPrinter({210, 297, 9921, 14031, 1200});
        f.layout();
        PdfPages target(file);
        status = ChartBook(*f.design, f.preview, f.options).draw(target);
        target.finish();
    }
    QString text(int page) const
    {
        return run("pdftotext", {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page), file, QStringLiteral("-")});
    }
    int images() const
    {
        return int(run("pdfimages", {QStringLiteral("-list"), file}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()) - 2;
    }

    QTemporaryDir dir;
    QString file;
    Status status;
};

std::unique_ptr<F> fixture()
{
    auto f = std::make_unique<F>(QStringList{"rrbw", "bwkr"});
    f->design->BackStitchList.append({QPoint(0, 0), QPoint(4, 2), F::kBlack, 0});
    f->design->FrenchKnotList.append({QPoint(2, 2), F::kRed, 0});
    return f;
}

bool havePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty();
}
} // namespace

TEST(ChartBookPdf, SymbolsAndKeyAreTextInEmbeddedFontsAndNothingIsAPicture)
{
    if (!havePoppler())
        GTEST_SKIP() << "poppler-utils are not installed";
    auto f = fixture();
    PdfBook pdf(*f);
    ASSERT_TRUE(pdf.status.isOk());

    const QStringList fonts = run("pdffonts", {pdf.file}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    ASSERT_GE(fonts.size(), 2); // Arial's stand-in and the symbol font; embedded, with ToUnicode
    for (const QString& font : fonts) {
        EXPECT_TRUE(font.contains(QLatin1String("CID TrueType"))) << font.toStdString();
        EXPECT_TRUE(font.contains(QRegularExpression(QStringLiteral("yes +(yes|no) +yes")))) << font.toStdString();
    }

    const QString chart = pdf.text(1);
    const QString key = pdf.text(2);
    const PageContext context(*f->design, f->preview, f->options);
    for (const TMyColor& entry : f->preview.KeyEntries) {
        SCOPED_TRACE(entry.Name.toStdString());
        if (entry.ColorType == ctCross)
            EXPECT_TRUE(chart.contains(entry.Symbol)) << chart.toStdString();
        EXPECT_TRUE(key.contains(entry.Symbol));
        EXPECT_TRUE(key.contains(context.colorId(entry.Color)));
        EXPECT_TRUE(key.contains(entry.Name));
        EXPECT_TRUE(key.contains(KeyPainter(context).length(entry))) << key.toStdString();
    }
    EXPECT_EQ(pdf.images(), 0);
}

TEST(ChartBookPdf, PicturesOnlyInRealModeAndOnTheTitlePage)
{
    if (!havePoppler())
        GTEST_SKIP() << "poppler-utils are not installed";
    for (const bool title : {false, true}) {
        auto f = fixture();
        f->preview.options.printTitle = title;
        f->options.real = !title;
        PdfBook pdf(*f);
        ASSERT_TRUE(pdf.status.isOk());
        EXPECT_GT(pdf.images(), 0) << (title ? "title page" : "real mode");
    }
}

TEST(ChartBookPdf, StitchStepsListEmptyRowsAsOneBackgroundRun)
{
    if (!havePoppler())
        GTEST_SKIP() << "poppler-utils are not installed";
    F f({".....", "rr.bb"});
    f.preview.options.stitchList = true;
    f.preview.options.printDesign = false;
    f.preview.options.printLegend = false;
    PdfBook pdf(f);
    ASSERT_TRUE(pdf.status.isOk());
    const QString text = pdf.text(1);
    EXPECT_TRUE(text.contains(QLatin1String("Stitch Steps List")));
    EXPECT_TRUE(text.contains(QLatin1String("1. row"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1String("5 x BackGround")));
    EXPECT_TRUE(text.contains(QLatin1String("2. row")));
    EXPECT_TRUE(text.contains(QLatin1String("1 x BackGround")));
    EXPECT_TRUE(text.contains(QLatin1String("Colour ff0000")));
}
