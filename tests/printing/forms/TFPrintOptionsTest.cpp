#include "model/ColorUsage.h"
#include "printing/ChartBook.h"
#include "printing/PageMiniature.h"
#include "printing/forms/PrinterPageTarget.h"
#include "printing/forms/TFPrintInProgress.h"
#include "printing/forms/TFPrintOptions.h"
#include "files/QmkWriter.h"
#include "support/PdfInfo.h"
#include "support/TestEnvironment.h"
#include "support/TestDesigns.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// The platform's dialogs answered by the test.
class ScriptedPrintOptions : public TFPrintOptions
{
public:
    QString pdfAnswer;
    std::function<void(QPrinter&)> pageSetup;
    QStringList errors;

protected:
    QString choosePdfFile(const QString&) override { return pdfAnswer; }
    QString chooseFolder(const QString&) override { return {}; }
    bool editPageSetup(QPrinter& printer) override
    {
        if (pageSetup)
            pageSetup(printer);
        return bool(pageSetup);
    }
    void showError(const QString& message) override { errors << message; }
};

// A click on the button's indicator: the rest of a wide check box's row is not the button.
void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

class TFPrintOptionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        design = TestDesigns::fromRows({"ab..", ".ab.", "..ab"}, {{'a', 0x0000FF}, {'b', 0x00FF00}});
        ColorUsage::CalcColorUsage(*design);
        TFPrintOptions::Context context;
        context.design = design.get();
        context.recentFolder = dir.path();
        dialog.setContext(context);
        dialog.FormShow();
        dialog.ComboPrinter->setCurrentIndex(0); // "PDF file": the same everywhere
        dialog.show();
    }

    void exportTo(const QString& folder, const QString& name)
    {
        dialog.RExportToJPEG->setChecked(true);
        dialog.EJpegWidth->setValue(300);
        dialog.EJpegHeight->setValue(260);
        dialog.Edit1->setValue(10);
        dialog.EPath->setText(folder);
        dialog.EFileName->setText(name);
    }

    int bookPages() const { return ChartBook(*design, dialog.layout(), dialog.drawOptions()).pageCount(); }

    QTemporaryDir dir;
    std::unique_ptr<Design> design;
    ScriptedPrintOptions dialog;
};
} // namespace

TEST_F(TFPrintOptionsTest, OptionsFollowEachOthersRules)
{
    click(dialog.CheckBoxGridNumbers);
    ASSERT_TRUE(dialog.CheckBoxGridNumbers->isChecked());
    click(dialog.CheckBoxPrintRuler);
    EXPECT_FALSE(dialog.CheckBoxGridNumbers->isChecked()) << "the ruler's numbers go with it";
    click(dialog.CheckBoxGridNumbers);
    EXPECT_FALSE(dialog.CheckBoxGridNumbers->isChecked()) << "and stay off without it";

    click(dialog.CheckBoxPrintAsCircle);
    click(dialog.CheckBoxLight);
    EXPECT_FALSE(dialog.CheckBoxPrintAsCircle->isChecked());
    click(dialog.CheckBoxPrintAsCircle);
    EXPECT_FALSE(dialog.CheckBoxLight->isChecked());

    click(dialog.RadioButton3);
    ASSERT_EQ(dialog.layout().format(), fLandscape);
    click(dialog.RadioButton4);
    EXPECT_EQ(dialog.layout().format(), fLandscape) << "Auto keeps the orientation in use";

    click(dialog.CheckBoxLegend);
    click(dialog.RadioButton5);
    EXPECT_TRUE(dialog.CheckBoxLegend->isChecked()) << "a key position asks for the legend";
    click(dialog.CheckBoxDesign);
    EXPECT_TRUE(dialog.RadioButton8->isChecked()) << "a legend alone is printed apart";
    EXPECT_EQ(dialog.layout().position, pSeparate);
    EXPECT_TRUE(dialog.layout().options.legendOnly());

    click(dialog.CheckBoxLegend);
    EXPECT_FALSE(dialog.Button2->isEnabled()) << "no pages selected: nothing to print";
    EXPECT_EQ(dialog.EJpegWidth->minimum(), 1);
    EXPECT_EQ(dialog.Edit1->minimum(), 1);
}

TEST_F(TFPrintOptionsTest, TheMiniatureShowsThePagesInTheLegendsColours)
{
    const QImage miniature = dialog.ImagePreview->pixmap().toImage();
    ASSERT_FALSE(miniature.isNull());
    int pattern = 0, key = 0, blue = 0;
    for (int y = 0; y < miniature.height(); ++y) {
        for (int x = 0; x < miniature.width(); ++x) {
            const QColor c = miniature.pixelColor(x, y);
            pattern += c == PageMiniature::kPattern;
            key += c == PageMiniature::kKey;
            blue += c.blue() > 200 && c.red() < 80 && c.green() < 80;
        }
    }
    EXPECT_GT(pattern, 100);
    EXPECT_GT(key, 100) << "the separate key page";
    EXPECT_GT(blue, 5) << "page numbers";
}

TEST_F(TFPrintOptionsTest, PrintExportsNumberedPicturesAndPausesBeforeTheNextRun)
{
    const QString folder = dir.filePath(QStringLiteral("pages/new"));
    exportTo(folder, QStringLiteral("rose_#.JPEG"));
    const int pages = bookPages();
    ASSERT_GT(pages, 0);
    QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    EXPECT_TRUE(dialog.errors.isEmpty()) << dialog.errors.join('\n').toStdString();
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    ASSERT_EQ(files.size(), pages);
    EXPECT_EQ(files.first(), pages < 10 ? QStringLiteral("rose_1.jpeg") : QStringLiteral("rose_01.jpeg"));
    EXPECT_EQ(QImage(QDir(folder).filePath(files.first())).size(), QSize(300, 260));
    EXPECT_FALSE(dialog.isEnabled());
    EXPECT_FALSE(dialog.progressWindow()->isVisible());

    // The command line draws the same pages for the same options (the dialog's margins are on).
    const QString file = dir.filePath(QStringLiteral("rose.qmk"));
    ASSERT_TRUE(SaveQMK(*design, file));
    QProcess cli;
    cli.start(QStringLiteral(THREADWRIGHT_CLI_PATH),
        {QStringLiteral("--data"), TestEnvironment::sourceData(), QStringLiteral("export"), file, QStringLiteral("-o"),
            dir.filePath(QStringLiteral("cli/rose_#.jpeg")), QStringLiteral("--export"), QStringLiteral("300x260"),
            QStringLiteral("--export-grid"), QStringLiteral("10"), QStringLiteral("--margins"), QStringLiteral("15,15,10,15")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardOutput()).count(QLatin1Char('\n')), pages);
    ASSERT_TRUE(dialog.reenableTimer()->isActive());
    EXPECT_EQ(dialog.reenableTimer()->interval(), 5000);
    dialog.reenableTimer()->start(0);
    QTRY_VERIFY(dialog.isEnabled());
}

TEST_F(TFPrintOptionsTest, AnInvalidNameOrACancelWritesNothing)
{
    const QString folder = dir.filePath(QStringLiteral("out"));
    exportTo(folder, QStringLiteral("ro:se_#.JPEG"));
    QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    EXPECT_EQ(dialog.errors, QStringList{QStringLiteral("Filename is not valid")});
    EXPECT_FALSE(QDir(folder).exists()) << "checked before the first page";
    EXPECT_TRUE(dialog.isEnabled());

    dialog.errors.clear();
    dialog.EFileName->setText(QStringLiteral("rose_#.JPEG"));
    QTimer::singleShot(0, dialog.progressWindow()->ButtonCancel, &QPushButton::click);
    QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    EXPECT_EQ(dialog.errors, QStringList{QStringLiteral("Project was not printed")});
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(TFPrintOptionsTest, APdfFileIsWrittenOnThePaperChosenInProperties)
{
    dialog.pageSetup = [](QPrinter& printer) {
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Landscape);
    };
    QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    EXPECT_TRUE(dialog.RadioButton3->isChecked()) << "the orientation buttons follow the printer";
    EXPECT_EQ(dialog.layout().pagewidthmmReal, 279);
    EXPECT_EQ(dialog.layout().pageheightmmReal, 216);
    EXPECT_EQ(dialog.layout().pixelsPerInch, 1200);
    dialog.pdfAnswer = dir.filePath(QStringLiteral("book.pdf"));
    QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    EXPECT_TRUE(dialog.errors.isEmpty()) << dialog.errors.join('\n').toStdString();
    const PdfInfo info = PdfInfo::of(dialog.pdfAnswer);
    EXPECT_EQ(info.pages, bookPages());
    EXPECT_TRUE(info.pageSize.startsWith(QStringLiteral("792 x 612"))) << info.pageSize.toStdString();
}

TEST(PrinterPageTarget, OnlyACompletedRunReachesThePrintersQueue)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(QStringLiteral("TW-TEST"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    QStringList submitted;
    const auto submit = [&](const QString& pdf, const QString& queue, const QString& title) {
        const PdfInfo info = PdfInfo::of(pdf);
        submitted << QStringLiteral("%1 %2 %3 pages").arg(queue, title).arg(info.pages);
        return Status::ok();
    };
    QString file;
    {
        PrinterPageTarget job(printer, QStringLiteral("Rose"), submit);
        ASSERT_TRUE(job.open());
        job.painter().drawText(100, 100, QStringLiteral("partial"));
        ASSERT_TRUE(job.newPage());
        job.abort();
    }
    EXPECT_TRUE(submitted.isEmpty()) << "an aborted job is never printed";
    EXPECT_TRUE(QDir::temp().entryList({QStringLiteral("threadwright-print-*")}).isEmpty());

    PrinterPageTarget job(printer, QStringLiteral("Rose"), submit);
    ASSERT_TRUE(job.open());
    EXPECT_EQ(job.resolution(), printer.resolution());
    job.painter().drawText(100, 100, QStringLiteral("one"));
    ASSERT_TRUE(job.newPage());
    job.painter().drawText(100, 100, QStringLiteral("two"));
    ASSERT_TRUE(job.finish());
    EXPECT_EQ(submitted, QStringList{printer.printerName() + QStringLiteral(" Rose 2 pages")});
}
