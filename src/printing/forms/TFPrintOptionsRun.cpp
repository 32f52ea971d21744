// The print dialog's run: the checks before the first page, the target, the pages drawn with
// the progress window, and the dialog's pause afterwards.
#include "model/Design.h"
#include "model/Translatable.h"
#include "printing/ChartBook.h"
#include "printing/KeyEntryList.h"
#include "printing/PagePictureSink.h"
#include "printing/PdfPageTarget.h"
#include "printing/PrintRun.h"
#include "printing/forms/PrinterPageTarget.h"
#include "printing/forms/TFPrintInProgress.h"
#include "printing/forms/TFPrintOptions.h"
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

namespace {
const PageFileNames::PictureType kTypes[] = {PageFileNames::PictureType::Jpeg, PageFileNames::PictureType::Bmp,
    PageFileNames::PictureType::Png};
} // namespace

void TFPrintOptions::Button2Click()
{
    if (m_running || !m_context.design)
        return;
    KeyEntryList::sort(m_layout.KeyEntries, m_context.design->stitch.Colors, m_context.order);
    calc();
    if (!Button2->isEnabled())
        return;
    // The name and the folder are checked before anything is drawn.
    if (RExportToJPEG->isChecked() && !checkExportTarget())
        return;
    const ChartBook book(*m_context.design, m_layout, drawOptions());
    const int pages = book.pageCount();
    std::unique_ptr<RunTarget> target = openTarget();
    if (!target)
        return;
    m_running = true;
    setEnabled(false);
    FPrintInProgress->start(pages);
    const Status done = PrintRun::drawAndFinish(
        book, *target, [this](int d, int t) { return FPrintInProgress->pageDone(d, t); },
        [this](int d, int t) { return FPrintInProgress->backStitchDone(d, t); });
    FPrintInProgress->hide();
    m_running = false;
    if (!done)
        showError(tr(TRANSLATABLE("Project was not printed")));
    // A pause after each run, without blocking the window.
    m_reenable->start();
}

bool TFPrintOptions::checkExportTarget()
{
    Status ok = PageFileNames::checkName(EFileName->text());
    if (ok)
        ok = PageFileNames::makeFolder(EPath->text());
    if (!ok)
        showError(tr(ok.message()));
    return bool(ok);
}

QString TFPrintOptions::exportFileName(int page, int count) const
{
    QString folder = EPath->text();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QString name = PageFileNames::withExtension(EFileName->text(), PageFileNames::extension(kTypes[ComboImageType->currentIndex()]));
    return folder + PageFileNames::numbered(name, page, count);
}

std::unique_ptr<RunTarget> TFPrintOptions::openTarget()
{
    const QString title = PrintRun::documentTitle(m_context.design->stitch);
    if (RExportToJPEG->isChecked()) {
        return std::make_unique<PagePictureSink>(QSize(m_layout.pagewidthReal, m_layout.pageheightReal),
            kTypes[ComboImageType->currentIndex()], Edit2->value(),
            [this](int page, int count) { return exportFileName(page, count); });
    }
    if (pdfChosen()) {
        const QFileInfo design(m_context.design->stitch.filename());
        const QString base = design.completeBaseName().isEmpty() ? QStringLiteral("design") : design.completeBaseName();
        const QString file = choosePdfFile(QDir(folderField()).filePath(base + QStringLiteral(".pdf")));
        if (file.isEmpty())
            return nullptr;
        auto pdf = std::make_unique<PdfPageTarget>(file, m_printer->pageLayout(), m_printer->resolution(), title);
        if (const Status opened = pdf->open(); !opened) {
            showError(opened.text(m_translate));
            return nullptr;
        }
        return pdf;
    }
    auto printer = std::make_unique<PrinterPageTarget>(*m_printer, title);
    if (const Status opened = printer->open(); !opened) {
        showError(opened.text(m_translate));
        return nullptr;
    }
    return printer;
}

QString TFPrintOptions::choosePdfFile(const QString& preset)
{
    QString file = QFileDialog::getSaveFileName(this, tr(TRANSLATABLE("Print")), preset, QStringLiteral("*.pdf"));
    if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".pdf");
    return file;
}

QString TFPrintOptions::chooseFolder(const QString& start)
{
    return QFileDialog::getExistingDirectory(this, tr(TRANSLATABLE("Select folder")), start, QFileDialog::ShowDirsOnly);
}

void TFPrintOptions::showError(const QString& message)
{
    QMessageBox::warning(this, tr(TRANSLATABLE("Print")), message);
}
