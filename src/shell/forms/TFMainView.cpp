// The view commands of the main window: zoom, visibility of the layers and highlight.
#include "model/Design.h"
#include "preview/forms/TFRealPreview.h"
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
    connect(Image, &TWorkView::pointerPressed, this,
        [this](const QPoint& pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys) { ImageMouseDown(pixel, buttons, keys); });
    connect(Image, &TWorkView::pointerMoved, this,
        [this](const QPoint& pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys) { ImageMouseMove(pixel, buttons, keys); });
    connect(Image, &TWorkView::pointerReleased, this,
        [this](const QPoint& pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys) { ImageMouseUp(pixel, buttons, keys); });
    connect(Image, &TWorkView::zoomRequested, this, [this](int steps) { setZoomIndex(m_zoomIndex + steps); });
    connect(MenuRealPreview, &QAction::triggered, this, &TFMain::MenuRealPreviewClick);
}

// The preview is made on first use and kept, as every dialog of the window is.
void TFMain::MenuRealPreviewClick()
{
    if (!FRealPreview)
        FRealPreview = new TFRealPreview(this);
    FRealPreview->setDesign(m_design.get(), KnittingMode);
    FRealPreview->applyCaptions([this](const QString& text) { return translate(text); });
    FRealPreview->exec();
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

// Highlighting remembers the mode it interrupts and goes back to it.
void TFMain::ButtonHighlightClick(bool down)
{
    if (down) {
        if (fMode != modHighlight)
            m_returnMode = fMode;
        setMode(modHighlight);
    } else {
        setMode(m_returnMode);
    }
}

void TFMain::setBackStitchesVisible(bool visible)
{
    fBackStitchesVisible = visible;
    ButtonBackStitch->setChecked(visible);
    Image->setBackStitchesVisible(visible);
}
