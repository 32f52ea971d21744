// The view commands of the main window: zoom, visibility of the layers, highlight and the
// pointer position in the status bar.
#include "model/Design.h"
#include "shell/forms/TFMain.h"
#include "view/ViewGeometry.h"
#include "view/forms/TWorkView.h"
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

void TFMain::createZoomMenu()
{
    auto* group = new QActionGroup(this);
    for (int i = 0; i < ViewGeometry::kZoomStepCount; ++i) {
        const int zoom = ViewGeometry::kZoomSteps[i];
        QAction* a = ButtonZoom->menu()->addAction(QStringLiteral("%1%").arg(ViewGeometry::zoomPercent(zoom)));
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { setZoomIndex(i); });
    }
}

void TFMain::connectView()
{
    connect(Image, &TWorkView::pointerMoved, this,
        [this](const QPoint& pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers) { ImageMouseMove(pixel, buttons); });
    connect(Image, &TWorkView::zoomRequested, this, [this](int steps) { setZoomIndex(m_zoomIndex + steps); });
}

void TFMain::setZoomIndex(int index)
{
    m_zoomIndex = std::clamp(index, 0, ViewGeometry::kZoomStepCount - 1);
    ZoomFactor = ViewGeometry::kZoomSteps[m_zoomIndex];
    Image->setZoom(ZoomFactor, KnittingMode);
    ButtonZoom->setText(QStringLiteral("%1%").arg(ViewGeometry::zoomPercent(ZoomFactor)));
    const QList<QAction*> items = ButtonZoom->menu()->actions();
    if (m_zoomIndex < items.size())
        items[m_zoomIndex]->setChecked(true);
}

void TFMain::ButtonZoomIncClick()
{
    setZoomIndex(m_zoomIndex + 1);
}

void TFMain::ButtonZoomDecClick()
{
    ButtonZoomDec->setEnabled(false);
    setZoomIndex(m_zoomIndex - 1);
    ButtonZoomDec->setEnabled(true);
}

void TFMain::ButtonHighlightClick(bool down)
{
    if (down) {
        m_returnMode = fMode;
        setMode(modHighlight);
        Image->setHighlight(true, m_design->stitch.drawcolor());
    } else {
        Image->setHighlight(false, 0);
        setMode(m_returnMode);
    }
}

void TFMain::setBackStitchesVisible(bool visible)
{
    fBackStitchesVisible = visible;
    ButtonBackStitch->setChecked(visible);
    Image->setBackStitchesVisible(visible);
}

// The pointer position in the grid of the current tool: half-cell points for back stitches and
// rhodes, quarter cells for the quarter pen while its button is held, whole cells otherwise.
void TFMain::ImageMouseMove(const QPoint& pixel, Qt::MouseButtons buttons)
{
    const ViewGeometry& g = Image->geometry();
    QPoint at = g.cellAt(pixel);
    if (fMode == modBackStitch || fMode == modRhode || fMode == modOutline)
        at = g.halfPointAt(pixel);
    else if (fMode == modQDraw && buttons != Qt::NoButton)
        at = g.quarterAt(pixel);
    StatusBarPanels[0]->setText(QStringLiteral("X: %1  Y: %2").arg(at.x() + 1).arg(at.y() + 1));
}
