// The start-up initialisation of the main window and the two states of its controls.
#include "conversion/DesignCreation.h"
#include "editing/tools/ToolBox.h"
#include "editing/SelectionSession.h"
#include "model/Design.h"
#include "model/Translatable.h"
#include "shell/DesignSession.h"
#include "view/ColorList.h"
#include "shell/forms/MainDialogs.h"
#include "shell/forms/TFMain.h"
#include "view/forms/TColorPanel.h"
#include "view/forms/TWorkView.h"
#include <QAction>
#include <QComboBox>
#include <QActionGroup>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

// The start-up initialisation, which runs again before every new, opened or converted design: a
// fresh document with the settings, the language and the catalogues, and the rhodes shapes of
// the rhodes tool. The design is built aside; installDesign swaps it in once whatever is made
// of it succeeded.
std::unique_ptr<Design> TFMain::prepareDesign()
{
    QStringList messages;
    auto design = m_session->freshDesign(&messages);
    KnittingMode = false;
    ButtonBorderSharpClick();
    loadRhodeShapes(design->stitch.RhodesPath, messages);
    showMessages(messages);
    return design;
}

// Makes a prepared design the open one and shows it.
void TFMain::installDesign(std::unique_ptr<Design> design)
{
    // A gesture in progress belonged to the design that goes.
    m_tools->resetAll();
    Image->setPreview({});
    if (m_design)
        m_design->setListener(nullptr);
    // The colour list leaves the old design before that goes.
    m_colorList.reset();
    m_design = std::move(design);
    m_colorList = std::make_unique<ColorList>(*m_design);
    m_colorList->setSortOrder(ColorList::SortOrder(std::max(0, PanelLeft->ComboSort->currentIndex())));
    PanelLeft->setSource(m_colorList.get(), m_design.get());
    m_design->setListener(this);
    ResetGUI();
    m_colorList->rebuildColorRows();
    PanelLeft->reload();
    // The drawing colour starts as the colour of the first row of the list.
    if (!m_colorList->rows().isEmpty())
        m_design->stitch.setDrawcolor(m_colorList->rows().first().Color);
    TStitch& doc = m_design->stitch;
    doc.setFilename(doc.filename());
    doc.setColorsname(doc.colorsname());
    doc.setPensize(doc.pensize());
    doc.setFileSaved(doc.fileSaved());
    m_design->History.UpdateButtons();
    Image->setDesign(m_design.get());
    Image->setZoom(ZoomFactor, KnittingMode);
    setBackStitchesVisible(true);
    takeDesignShadow();
    updateStatusPanels();
    rebuildReopenMenu();
}

// The start-up: the design named on the command line when it opens, otherwise a new 50 x 50
// design with the default palette and symbol set. A named file that does not exist is said so
// once the window shows, over the new design.
void TFMain::FormCreate(const QString& commandLineFile)
{
    const bool missing = !commandLineFile.isEmpty() && !QFileInfo::exists(commandLineFile);
    const bool opened = !commandLineFile.isEmpty() && !missing && openInto(commandLineFile, false);
    if (opened) {
        MRUListInsert(QFileInfo(commandLineFile).absoluteFilePath());
    } else {
        auto design = prepareDesign();
        DesignCreation::CreateNewTemplate(*design, 50, 50, design->stitch.defaultCharacters, design->stitch.defaultPalette);
        installDesign(std::move(design));
    }
    fMode = modNone;
    setMode(modDraw);
    m_design->stitch.setFileSaved(true);
    setZoomIndex(6);
    if (missing) {
        QTimer::singleShot(0, this, [this, commandLineFile] {
            m_dialogs->warn(translate(TRANSLATABLE("The file %1 was not found.")).arg(commandLineFile));
        });
    }
}

void TFMain::ResetGUI()
{
    MenuPatternSettings->setEnabled(false);
    PanelLeft->resetColumns();
    // Content never crosses to another design: the reset empties the clipboard buffer.
    Timer1->stop();
    m_selection->clear();
    Image->selectionChanged();
    fMode = modDraw;
    for (QAction* a : m_toolGroup->actions())
        a->setChecked(false);
    ButtonDraw->setChecked(true);
    for (QAction* a : {MenuSave, MenuSaveAs, MenuPrint, MenuAddToLibrary, MenuCut, MenuCopy, MenuPaste, MenuMerge, Undo1, Redo1,
             ButtonZoomDec, ButtonZoomInc, ButtonSelection, ButtonCursor, ButtonDraw, ButtonDrawQuarter,
             ButtonBackStitchDraw, ButtonOutline, ButtonErase, ButtonPipette, ButtonSwitchColors, ButtonRotateRight,
             ButtonRotateLeft, ButtonMirrorHorizontal, ButtonMirrorVertical})
        a->setEnabled(false);
    ButtonView->setEnabled(false);
    ButtonZoom->setEnabled(false);
    PanelLeft->setListEnabled(false);
    Image->setEnabled(false);
    fSymbolsVisible = false;
    fGridVisible = true;
    applyFillFactorButton();
}

void TFMain::UpdateGUI()
{
    for (QAction* a : {MenuSaveAs, MenuPrint, MenuPatternSettings, MenuAddToLibrary})
        a->setEnabled(true);
    MenuPaste->setEnabled(m_selection->canPaste());
    for (QAction* a : m_toolGroup->actions())
        a->setChecked(false);
    for (QAction* a : {MenuCut, MenuCopy, MenuMerge, ButtonRotateRight, ButtonRotateLeft, ButtonMirrorHorizontal,
             ButtonMirrorVertical})
        a->setEnabled(false);
    if (fMode == modSelection) {
        MenuCut->setEnabled(true);
        MenuCopy->setEnabled(true);
        for (QAction* a : {MenuMerge, ButtonRotateRight, ButtonRotateLeft, ButtonMirrorHorizontal, ButtonMirrorVertical})
            a->setEnabled(m_selection->floating());
    } else if (fMode != modFrenchKnot && fMode != modRhode) {
        if (QAction* button = m_modeButtons.value(fMode))
            button->setChecked(true);
    }
    setVisibility(fGridVisible, fSymbolsVisible);
    for (QAction* a : {ButtonZoomDec, ButtonZoomInc, ButtonSelection, ButtonCursor, ButtonDraw, ButtonDrawLine,
             ButtonDrawRectangle, ButtonDrawCircle, ButtonOutlineBorder, ButtonInlineBorder, ButtonFill, ButtonText,
             ButtonErase, ButtonPipette, ButtonSwitchColors, MenuCharactersEditor, MenuCMYK, MenuNewPalette,
             MenuEditPalette})
        a->setEnabled(true);
    ButtonView->setEnabled(true);
    ButtonZoom->setEnabled(true);
    for (QAction* a : {ButtonDrawQuarter, ButtonBackStitchDraw, ButtonOutline})
        a->setEnabled(!KnittingMode);
    PanelLeft->setListEnabled(true);
    Image->setEnabled(true);
}

void TFMain::setVisibility(bool grid, bool symbols)
{
    fGridVisible = grid;
    fSymbolsVisible = symbols;
    Image->setGridVisible(grid);
    Image->setSymbolsVisible(symbols);
    const QString name = grid ? (symbols ? QStringLiteral("view-both") : QStringLiteral("view-grid"))
                              : (symbols ? QStringLiteral("view-symbols") : QStringLiteral("view-none"));
    const QIcon icon(QStringLiteral(":/icons/%1.svg").arg(name));
    MenuView->setIcon(icon);
    ButtonView->setIcon(icon);
}

// The desktop adds the program's name; "[*]" becomes its mark of unsaved changes.
void TFMain::setFormCaption()
{
    const TStitch& doc = m_design->stitch;
    QString caption = QFileInfo(doc.filename()).fileName();
    if (!doc.Title.isEmpty())
        caption += QStringLiteral(" - ") + doc.Title;
    setWindowTitle(caption + QStringLiteral("[*]"));
}
