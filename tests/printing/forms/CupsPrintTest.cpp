#include "model/ColorUsage.h"
#include "printing/ChartBook.h"
#include "printing/forms/TFPrintOptions.h"
#include "support/PdfInfo.h"
#include "support/TestDesigns.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

// These tests print through a real scheduler with the PDF queue TW-PDF (cups-pdf), as CI sets
// it up; elsewhere they skip.
namespace {
const QString kQueue = QStringLiteral("TW-PDF");

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class CupsPrintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains(QStringLiteral("is running")))
            GTEST_SKIP() << "no CUPS scheduler is running";
        if (QPrinterInfo::printerInfo(kQueue).isNull())
            GTEST_SKIP() << "the scheduler has no queue TW-PDF (cups-pdf)";
        // Two pages across on A4 at 3 mm cells.
        const QString row = QString(40, QLatin1Char('a')) + QString(40, QLatin1Char('b'));
        design = TestDesigns::fromRows({row, row}, {{'a', 0x0000FF}, {'b', 0x00FF00}});
        ColorUsage::CalcColorUsage(*design);
        TFPrintOptions::Context context;
        context.design = design.get();
        dialog.setContext(context);
        dialog.FormShow();
        dialog.ComboPrinter->setCurrentIndex(dialog.ComboPrinter->findData(kQueue));
    }

    std::unique_ptr<Design> design;
    TFPrintOptions dialog;
};
} // namespace

TEST_F(CupsPrintTest, AChartPrintedOnThePdfQueueArrivesAsItsPages)
{
    dialog.CheckBoxLegend->click();
    ASSERT_EQ(ChartBook(*design, dialog.layout(), dialog.drawOptions()).pageCount(), 2);
    const QDir output(QDir::home().filePath(QStringLiteral("PDF")));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    QString printed;
    for (int i = 0; i < 300 && printed.isEmpty(); ++i) {
        QTest::qWait(100);
        for (const QFileInfo& file : output.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
            if (file.lastModified() >= before && PdfInfo::of(file.filePath()).pages > 0)
                printed = file.filePath();
        }
    }
    ASSERT_FALSE(printed.isEmpty()) << "nothing arrived in " << output.path().toStdString();
    const PdfInfo info = PdfInfo::of(printed);
    EXPECT_EQ(info.pages, 2);
    EXPECT_TRUE(info.pageSize.contains(QStringLiteral("A4")) || info.pageSize.startsWith(QStringLiteral("595")))
        << info.pageSize.toStdString();
}

TEST_F(CupsPrintTest, AStoppedQueueShowsPaused)
{
    run(QStringLiteral("cupsdisable"), {kQueue});
    dialog.FormShow();
    const QString status = dialog.LStatus->text();
    run(QStringLiteral("cupsenable"), {kQueue});
    EXPECT_EQ(status, QStringLiteral("PAUSED"));
}
