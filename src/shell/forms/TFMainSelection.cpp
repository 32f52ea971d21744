// The selection of the main window: the frame of modSelection with its animation and cursors,
// the clipboard commands, floating content and its transforms. The work is done by the core's
// SelectionSession; these handlers call it and show the result.
#include "editing/SelectionSession.h"
#include "editing/TextPlacement.h"
#include "editing/forms/TFText.h"
#include "editing/tools/SelectionTool.h"
#include "model/Design.h"
#include "shell/forms/TFMain.h"
#include "view/PaletteGridLayout.h"
#include "view/SelectionPicture.h"
#include "view/forms/TWorkView.h"
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>

namespace {
constexpr int kFrameAnimationMs = 20;

Qt::CursorShape cursorFor(TDragKind kind)
{
    switch (kind) {
    case dkTopLeft:
    case dkBottomRight:
        return Qt::SizeFDiagCursor;
    case dkTopRight:
    case dkBottomLeft:
        return Qt::SizeBDiagCursor;
    case dkLeft:
    case dkRight:
        return Qt::SizeHorCursor;
    case dkTop:
    case dkBottom:
        return Qt::SizeVerCursor;
    case dkMove:
        break;
    }
    return Qt::SizeAllCursor;
}
} // namespace

void TFMain::connectSelection()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kFrameAnimationMs);
    connect(Timer1, &QTimer::timeout, this, &TFMain::Timer1Timer);
    Image->setSelection(m_selection.get());
    connect(MenuCopy, &QAction::triggered, this, &TFMain::MenuCopyClick);
    connect(MenuCut, &QAction::triggered, this, &TFMain::MenuCutClick);
    connect(MenuPaste, &QAction::triggered, this, &TFMain::MenuPasteClick);
    connect(ButtonText, &QAction::triggered, this, &TFMain::ButtonTextClick);
    connect(MenuMerge, &QAction::triggered, this, &TFMain::MenuMergeClick);
    connect(ButtonRotateRight, &QAction::triggered, this, &TFMain::ButtonRotateRightClick);
    connect(ButtonRotateLeft, &QAction::triggered, this, &TFMain::ButtonRotateLeftClick);
    connect(ButtonMirrorHorizontal, &QAction::triggered, this, &TFMain::ButtonMirrorHorzClick);
    connect(ButtonMirrorVertical, &QAction::triggered, this, &TFMain::ButtonMirrorVertClick);
}

void TFMain::applySelectionMode()
{
    const bool selecting = fMode == modSelection;
    if (selecting && !m_selection->frameShown()) {
        m_selection->enter(QPoint(Image->geometry().h, Image->geometry().v));
        Timer1->start();
    } else if (!selecting && m_selection->frameShown()) {
        Timer1->stop();
        m_selection->leave();
    }
    Image->selectionChanged();
}

void TFMain::selectionChanged()
{
    Image->selectionChanged();
    UpdateGUI();
}

void TFMain::Timer1Timer()
{
    Image->advanceStipple();
}

void TFMain::hoverCursor(const QPoint& pixel)
{
    const ViewGeometry& g = Image->geometry();
    const QPoint designPixel = pixel + QPoint(g.h * g.CellWidth, g.v * g.CellHeight);
    const auto kind = SelectionTool::hitTest(m_selection->SelectionRect(), QSize(g.CellWidth, g.CellHeight), designPixel);
    Image->viewport()->setCursor(kind ? cursorFor(*kind) : Qt::ArrowCursor);
}

// The picture of the copied cells for other programs; the buffer itself stays inside.
void TFMain::putPictureOnClipboard()
{
    const QImage picture = SelectionPicture::render(*m_design, m_selection->SelectionRect(), Image->geometry(),
        Image->options());
    if (picture.isNull())
        return;
    auto* data = new QMimeData;
    data->setImageData(picture);
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

void TFMain::MenuCopyClick()
{
    if (fMode != modSelection)
        return;
    m_selection->Copy(*m_design, fBackStitchesVisible);
    putPictureOnClipboard();
    selectionChanged();
}

void TFMain::MenuCutClick()
{
    if (fMode != modSelection)
        return;
    // The picture shows the cells before they go.
    putPictureOnClipboard();
    m_selection->Cut(*m_design, fBackStitchesVisible);
    selectionChanged();
}

void TFMain::MenuPasteClick()
{
    if (!m_selection->canPaste())
        return;
    if (fMode != modSelection)
        setMode(modSelection);
    m_selection->Paste(QPoint(Image->geometry().h, Image->geometry().v));
    selectionChanged();
}

// The text dialog keeps its font, size and style for the whole run. Its stitches become the
// clipboard buffer and float like pasted content; the design first grows to hold them when
// auto-enlarge is on.
void TFMain::ButtonTextClick()
{
    if (!FText) {
        FText = new TFText(this);
        FText->showHelp = [this](int topic) { showHelp(topic); };
        FText->enlarge = [this](const QSize& size) {
            const Status grown = TextPlacement::enlargeFor(*m_design, size);
            if (!grown)
                m_dialogs->warn(grown.text([this](const QString& t) { return translate(t); }));
            return bool(grown);
        };
    }
    FText->translate([this](const QString& text) { return translate(text); });
    const TStitch& doc = m_design->stitch;
    QList<TFText::Colour> colours;
    for (const TSimpleColorInfo& c : PaletteGridLayout::colorsList(doc.Colors))
        colours.append({c.color, c.colorID.isEmpty() ? c.colorName : c.colorID + QLatin1Char(' ') + c.colorName});
    FText->prepare(colours, doc.drawcolor(), ZoomFactor, doc.BackGroundColor);
    if (!m_dialogs->runDialog(*FText) || FText->mask().isNull())
        return;
    TextPlacement::fillBuffer(m_selection->buffer(), FText->mask(), FText->textColor(), doc.BackGroundColor);
    MenuPasteClick();
}

void TFMain::MenuMergeClick()
{
    if (fMode == modSelection)
        m_selection->Merge(*m_design);
}

void TFMain::ButtonRotateRightClick()
{
    m_selection->RotateRight();
    selectionChanged();
}

void TFMain::ButtonRotateLeftClick()
{
    m_selection->RotateLeft();
    selectionChanged();
}

void TFMain::ButtonMirrorHorzClick()
{
    m_selection->MirrorHorizontal();
    selectionChanged();
}

void TFMain::ButtonMirrorVertClick()
{
    m_selection->MirrorVertical();
    selectionChanged();
}
