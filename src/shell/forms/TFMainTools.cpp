// The tools of the main window: entering and leaving modes, the three pointer handlers, the keys
// and the pop-ups of the pen size and the rhodes shapes. The handlers only map view pixels to
// grid positions and hand them to the tool objects of the core (editing/tools), which decide
// what to write and what to record.
#include "editing/tools/Tool.h"
#include "editing/tools/ToolBox.h"
#include "model/Design.h"
#include "model/RhodeShapes.h"
#include "model/Translatable.h"
#include "shell/Startup.h"
#include "shell/forms/TFMain.h"
#include "view/PointerMapping.h"
#include "view/RhodeIcon.h"
#include "view/forms/TWorkView.h"
#include <QAction>
#include <QBitmap>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace {
// The cursor of the mode's table entry (icons/cursors.txt lists the hot spots of the pictures).
QCursor toolCursor(TMode mode)
{
    const ToolEntry* entry = ToolBox::entryFor(mode);
    if (!entry || !entry->cursor)
        return QCursor(Qt::ArrowCursor);
    const QPixmap picture(QStringLiteral(":/icons/%1.png").arg(QLatin1String(entry->cursor)));
    return QCursor(picture, entry->hotSpot.x(), entry->hotSpot.y());
}

bool usesPenSize(TMode mode)
{
    const ToolEntry* entry = ToolBox::entryFor(mode);
    return entry && entry->usesPenSize;
}
} // namespace

Tool* TFMain::currentTool() const
{
    return m_tools->forMode(fMode);
}

ToolContext TFMain::toolContext()
{
    return ToolContext{*m_design, fGeneral.AllowQuarterOverCross, fBackStitchesVisible, fBackStitchesContinue,
        m_rhodeShapes.get(), fFillMode, fCornerRound};
}

// Entering a mode: the tool of the old mode ends its gesture and drops its preview, then the
// controls follow the new mode.
void TFMain::setMode(TMode value)
{
    if (value == fMode)
        return;
    finishGesture();
    fMode = value;
    if (Tool* tool = currentTool())
        tool->reset();
    if (fMode == modBackStitch && !fBackStitchesVisible)
        setBackStitchesVisible(true);
    applyModeControls();
    UpdateGUI();
}

// The controls that follow the mode: highlight, the fill-factor and pen-size buttons, the cursor
// and the highlight button.
void TFMain::applyModeControls()
{
    const bool highlight = fMode == modHighlight;
    if (Image->options().highlight != highlight)
        Image->setHighlight(highlight, m_design->stitch.drawcolor());
    ButtonHighlight->setChecked(highlight);
    DropDownFillFactor->setEnabled(false);
    const bool penSize = usesPenSize(fMode);
    const bool border = fMode == modInlineBorder || fMode == modOutlineBorder;
    DropDownPenSize->setEnabled(penSize || border);
    DropDownPenSize->setMenu(penSize ? PopupPenSize : nullptr);
    if (penSize)
        m_design->stitch.setPensize(m_design->stitch.pensize());
    else if (border)
        DropDownPenSize->setIcon(PopupPenSize->actions().first()->icon());
    Image->viewport()->setCursor(toolCursor(fMode));
}

void TFMain::finishGesture()
{
    if (Tool* tool = currentTool()) {
        ToolContext context = toolContext();
        tool->cancel(context);
    }
    Image->setPreview({});
}

void TFMain::applyFeedback(Tool& tool, const ToolFeedback& feedback)
{
    if (!feedback.scroll.isNull()) {
        const ViewGeometry& g = Image->geometry();
        Image->scrollTo(g.h + feedback.scroll.x(), g.v + feedback.scroll.y());
    }
    if (feedback.previewChanged)
        Image->setPreview(tool.preview());
}

ToolPointer TFMain::pointerAt(const QPoint& pixel, Qt::KeyboardModifiers keys) const
{
    ToolPointer pointer = PointerMapping::at(Image->geometry(), pixel, *m_design);
    pointer.modifiers = keys;
    return pointer;
}

void TFMain::ImageMouseDown(const QPoint& pixel, Qt::MouseButtons, Qt::KeyboardModifiers keys)
{
    Tool* tool = currentTool();
    if (!tool)
        return;
    ToolContext context = toolContext();
    applyFeedback(*tool, tool->press(context, pointerAt(pixel, keys)));
}

void TFMain::ImageMouseMove(const QPoint& pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys)
{
    ToolFeedback feedback;
    Tool* tool = currentTool();
    if (tool) {
        ToolContext context = toolContext();
        feedback = tool->move(context, pointerAt(pixel, keys));
    }
    if (feedback.showPosition)
        showPointerPosition(pixel, buttons);
    if (tool)
        applyFeedback(*tool, feedback);
}

void TFMain::ImageMouseUp(const QPoint& pixel, Qt::MouseButtons, Qt::KeyboardModifiers keys)
{
    Tool* tool = currentTool();
    if (!tool)
        return;
    ToolContext context = toolContext();
    applyFeedback(*tool, tool->release(context, pointerAt(pixel, keys)));
}

// The pointer position in the grid of the current tool (its table entry): half-cell points, or
// quarter cells while the button is held, otherwise whole cells.
void TFMain::showPointerPosition(const QPoint& pixel, Qt::MouseButtons buttons)
{
    const ViewGeometry& g = Image->geometry();
    const ToolEntry* entry = ToolBox::entryFor(fMode);
    const ToolGrid grid = entry ? entry->grid : ToolGrid::cells;
    QPoint at = g.cellAt(pixel);
    if (grid == ToolGrid::points)
        at = g.halfPointAt(pixel);
    else if (grid == ToolGrid::quarters && buttons != Qt::NoButton)
        at = g.quarterAt(pixel);
    StatusBarPanels[0]->setText(QStringLiteral("X: %1  Y: %2").arg(at.x() + 1).arg(at.y() + 1));
}

bool TFMain::FormKeyDown(int key)
{
    if (key == Qt::Key_Return && MenuMerge->isEnabled()) {
        MenuMerge->trigger();
        return true;
    }
    Tool* tool = currentTool();
    if (key == Qt::Key_Escape && tool && tool->cancelsOnEscape()) {
        finishGesture();
        return true;
    }
    return false;
}

// Part of every start-up: a fresh shape library from the rhodes folder. A file that cannot be
// read is reported once per run; the rhodes tool then has no shapes.
void TFMain::loadRhodeShapes(const QString& rhodesPath, QStringList& messages)
{
    auto shapes = std::make_unique<RhodeShapes>();
    const Status loaded = Startup::loadRhodeShapes(rhodesPath, *shapes);
    if (!loaded && !m_rhodesMessageShown) {
        messages << loaded.text([this](const QString& t) { return translate(t); });
        m_rhodesMessageShown = true;
    }
    m_rhodeShapes = std::move(shapes);
    refreshRhodePopup();
}

void TFMain::refreshRhodePopup()
{
    QMenu* popup = ButtonRhode->menu();
    popup->clear();
    ILRhodes.clear();
    const QList<TRhodeRef>& shapes = m_rhodeShapes->shapes();
    for (int i = 0; i < shapes.size(); ++i) {
        ILRhodes << QIcon(QPixmap::fromImage(RhodeIcon::draw(*shapes[i])));
        QAction* item = popup->addAction(ILRhodes.last(), shapes[i]->name);
        connect(item, &QAction::triggered, this, [this, i] { MenuItemRhodeClick(i); });
    }
    // Without a shape the rhodes tool has nothing to place.
    ButtonRhode->setEnabled(!shapes.isEmpty());
    if (m_rhodeShapes->currentIndex() >= 0)
        RhodeButtonUpdateImage(m_rhodeShapes->currentIndex());
    if (shapes.isEmpty() && fMode == modRhode)
        setMode(modDraw);
}

void TFMain::MenuItemRhodeClick(int index)
{
    setMode(modRhode);
    m_rhodeShapes->setCurrentIndex(index);
    RhodeButtonUpdateImage(index);
}

// The shape's picture on the rhodes button, its white background made transparent.
void TFMain::RhodeButtonUpdateImage(int index)
{
    if (index < 0 || index >= m_rhodeShapes->size())
        return;
    QPixmap picture = QPixmap::fromImage(RhodeIcon::draw(*m_rhodeShapes->at(index)));
    picture.setMask(picture.createMaskFromColor(Qt::white));
    ButtonRhode->setIcon(QIcon(picture));
}

void TFMain::ButtonRhodeClick()
{
    if (!m_rhodeShapes->isEmpty())
        setMode(modRhode);
}
