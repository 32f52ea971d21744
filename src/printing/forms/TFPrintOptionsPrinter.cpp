// The print dialog's printer side: the list of printers and "PDF file", the query of the chosen
// one, its set-up dialog and the orientation.
#include "model/Translatable.h"
#include "printing/forms/TFPrintOptions.h"
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
// "PDF file" is written at this resolution, on the whole sheet.
constexpr int kPdfResolution = 1200;

QString statusText(QPrinter::PrinterState state)
{
    switch (state) {
    case QPrinter::Active:
        return TRANSLATABLE("PRINTING");
    case QPrinter::Error:
        return TRANSLATABLE("PAUSED");
    case QPrinter::Aborted:
        return TRANSLATABLE("ERROR");
    case QPrinter::Idle:
        break;
    }
    return TRANSLATABLE("Ready");
}

std::unique_ptr<QPrinter> pdfPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setResolution(kPdfResolution);
    printer->setFullPage(true);
    const bool us = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    printer->setPageSize(QPageSize(us ? QPageSize::Letter : QPageSize::A4));
    printer->setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    return printer;
}
} // namespace

void TFPrintOptions::fillPrinters()
{
    const QSignalBlocker blocker(ComboPrinter);
    const QString chosen = ComboPrinter->currentData().toString();
    ComboPrinter->clear();
    ComboPrinter->addItem(tr(TRANSLATABLE("PDF file")), QString());
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        ComboPrinter->addItem(info.printerName(), info.printerName());
    const QString preferred = chosen.isEmpty() ? QPrinterInfo::defaultPrinterName() : chosen;
    ComboPrinter->setCurrentIndex(std::max(0, ComboPrinter->findData(preferred)));
    choosePrinter();
}

bool TFPrintOptions::pdfChosen() const
{
    return ComboPrinter->currentData().toString().isEmpty();
}

void TFPrintOptions::choosePrinter()
{
    if (pdfChosen())
        m_printer = pdfPrinter();
    else
        m_printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(ComboPrinter->currentData().toString()),
            QPrinter::HighResolution);
}

void TFPrintOptions::queryPrinter()
{
    if (!m_printer)
        choosePrinter();
    m_printer->setPageOrientation(m_layout.format() == fLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const QPrinterInfo info = pdfChosen() ? QPrinterInfo() : QPrinterInfo::printerInfo(m_printer->printerName());
    LStatus->setText(tr(statusText(pdfChosen() ? QPrinter::Idle : info.state())));
    LType->setText(info.makeAndModel());
    LLocation->setText(info.location());
    LComment->setText(info.description());
    // Cells print true to size: the layout's millimetres are those of the printable area.
    const QPageLayout page = m_printer->pageLayout();
    const int dpi = m_printer->resolution();
    const QRect pixels = page.paintRectPixels(dpi);
    const QRectF mm = page.paintRect(QPageLayout::Millimeter);
    m_layout.printername = m_printer->printerName();
    m_layout.setPrinter({qRound(mm.width()), qRound(mm.height()), pixels.width(), pixels.height(), dpi});
    calc();
}

void TFPrintOptions::setOrientation(TFormat format)
{
    showOrientation(format == fLandscape ? 1 : 0);
    m_layout.setFormat(format);
    queryPrinter();
}

// A paper or orientation chosen in the set-up dialog is taken over: the orientation buttons
// follow the printer and the pages are laid out on its new page.
void TFPrintOptions::ButtonPropertiesClick()
{
    if (!m_printer)
        choosePrinter();
    if (!editPageSetup(*m_printer))
        return;
    const bool landscape = m_printer->pageLayout().orientation() == QPageLayout::Landscape;
    (landscape ? RadioButton3 : RadioButton2)->setChecked(true);
    setOrientation(landscape ? fLandscape : fPortrait);
}

bool TFPrintOptions::editPageSetup(QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, this);
    return dialog.exec() == QDialog::Accepted;
}
