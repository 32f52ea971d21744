// "Print ...": the print dialog over the open design.
#include "model/Design.h"
#include "printing/forms/TFPrintOptions.h"
#include "shell/forms/TFMain.h"
#include "view/ColorList.h"
#include <QFileInfo>
#include <QPushButton>

// The dialog is made on first use and kept with its options, as every dialog of the window is.
void TFMain::MenuPrintClick()
{
    if (!FPrintOptions) {
        FPrintOptions = new TFPrintOptions(this);
        connect(FPrintOptions->BHelp, &QPushButton::clicked, this, [this] { showHelp(3200); });
    }
    TFPrintOptions::Context context;
    context.design = m_design.get();
    context.order = m_colorList->sortOrder();
    context.knitting = KnittingMode;
    context.jpegWidth = fGeneral.JPEGWidth;
    context.jpegHeight = fGeneral.JPEGHeight;
    context.jpegGrid = fGeneral.JPEGGrid;
    context.jpegQuality = fGeneral.JPEGQuality;
    context.borderLeft = fGeneral.BorderLeft;
    context.borderTop = fGeneral.BorderTop;
    context.borderRight = fGeneral.BorderRight;
    context.borderBottom = fGeneral.BorderBottom;
    if (!fGeneral.recentFiles.isEmpty())
        context.recentFolder = QFileInfo(fGeneral.recentFiles.first()).absolutePath();
    FPrintOptions->setContext(context);
    FPrintOptions->applyCaptions([this](const QString& text) { return translate(text); });
    FPrintOptions->FormShow();
    FPrintOptions->exec();
}
