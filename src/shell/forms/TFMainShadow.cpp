// The shadow picture of the main window: the button and its menu of opacities, the overlay on
// the work view and the window that shows the picture on its own.
#include "model/Design.h"
#include "model/Translatable.h"
#include "shell/forms/TFGhost.h"
#include "shell/forms/TFMain.h"
#include "view/forms/TWorkView.h"
#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace {
QIcon shadowIcon(bool windowMode)
{
    return QIcon(windowMode ? QStringLiteral(":/icons/shadow-window.svg") : QStringLiteral(":/icons/shadow.svg"));
}
} // namespace

void TFMain::createShadowMenu()
{
    PopupShadow = ButtonShadow->menu();
    PopupShadow->setObjectName(QStringLiteral("PopupShadow"));
    QAction** items[] = {&N101, &N202, &N301, &N401, &N501, &N601, &N701, &N801, &N901, &N1001};
    for (int i = 0; i < 10; ++i) {
        const int tag = (i + 1) * 10;
        QAction* a = PopupShadow->addAction(QStringLiteral("%1%").arg(tag));
        // N101, N202 ... N901, N1001.
        a->setObjectName(QStringLiteral("N%1%2").arg(tag).arg(i == 9 ? 1 : i + 1));
        connect(a, &QAction::triggered, this, [this, tag] { N101Click(tag); });
        *items[i] = a;
    }
    PopupShadow->addSeparator()->setObjectName(QStringLiteral("N10"));
    ShadowImage1 = PopupShadow->addAction(QStringLiteral("Shadow Image"));
    ShadowImage1->setObjectName(QStringLiteral("ShadowImage1"));
    connect(ShadowImage1, &QAction::triggered, this, &TFMain::ShadowImage1Click);
    // The button's own part toggles what the mode shows; its arrow opens the menu.
    connect(ButtonShadow, &QToolButton::clicked, this, &TFMain::ButtonShadowClick);
    setGhostLoaded(false);
}

void TFMain::setGhostLoaded(bool loaded)
{
    fGhostLoaded = loaded;
    ButtonShadow->setEnabled(loaded);
    PopupShadow->setEnabled(loaded);
}

void TFMain::setShowGhostLayer(bool shown)
{
    fShowGhostLayer = shown && !m_design->shadowPicture.isNull();
    Image->setShadow(fShowGhostLayer ? m_design->shadowPicture : QImage(), m_shadowOpacity);
}

void TFMain::setShadowButtonDown(bool down)
{
    ButtonShadow->setChecked(down);
    ButtonShadow->setIcon(shadowIcon(m_shadowWindowMode));
}

// What the click shows or hides depends on the mode; the button is down exactly while that is
// shown.
void TFMain::ButtonShadowClick()
{
    if (!fGhostLoaded)
        return;
    if (!m_shadowWindowMode) {
        setShowGhostLayer(!fShowGhostLayer);
        setShadowButtonDown(fShowGhostLayer);
        return;
    }
    if (FGhost && FGhost->isVisible()) {
        FGhost->hide();
        setShadowButtonDown(false);
        return;
    }
    showShadowWindow();
}

void TFMain::N101Click(int tag)
{
    if (!fGhostLoaded)
        return;
    m_shadowWindowMode = false;
    m_shadowOpacity = tag * 255 / 100;
    setShowGhostLayer(true);
    setShadowButtonDown(true);
}

void TFMain::ShadowImage1Click()
{
    if (!fGhostLoaded)
        return;
    m_shadowWindowMode = true;
    showShadowWindow();
}

void TFMain::showShadowWindow()
{
    if (!FGhost) {
        FGhost = new TFGhost(this);
        connect(FGhost, &TFGhost::closedByUser, this, [this] {
            if (m_shadowWindowMode)
                setShadowButtonDown(false);
        });
    }
    FGhost->applyCaptions([this](const QString& text) { return translate(text); });
    FGhost->setPicture(m_design->shadowPicture.copy());
    FGhost->show();
    FGhost->raise();
    setShadowButtonDown(true);
}

// A design with a shadow picture shows it over the chart at once; the mode and the opacity
// stay as the user left them.
void TFMain::takeDesignShadow()
{
    if (FGhost && FGhost->isVisible())
        FGhost->hide();
    const bool loaded = !m_design->shadowPicture.isNull();
    setGhostLoaded(loaded);
    setShowGhostLayer(loaded);
    setShadowButtonDown(loaded);
}
