// The shape and border tools of the main window: the fill-factor button with its pop-ups (empty
// or filled rectangles and circles, round or sharp corners of the borders) and the handlers of
// their buttons and menu items. The tools themselves are core objects (editing/tools).
#include "model/Translatable.h"
#include "shell/forms/TFMain.h"
#include <QIcon>
#include <QMenu>
#include <QToolButton>

namespace {
QMenu* popup(QWidget* parent, const QString& name, const QString& first, const QString& second)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(name);
    for (const QString& item : {first, second})
        menu->addAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(item)), QString())->setObjectName(item);
    return menu;
}
} // namespace

void TFMain::createShapePopups()
{
    PopupRectangle = popup(this, QStringLiteral("PopupRectangle"), QStringLiteral("rectangle"), QStringLiteral("rectangle-filled"));
    PopupCircle = popup(this, QStringLiteral("PopupCircle"), QStringLiteral("circle"), QStringLiteral("circle-filled"));
    PopupOutlineBorder = popup(this, QStringLiteral("PopupOutlineBorder"), QStringLiteral("corner-round"), QStringLiteral("corner-sharp"));
    const QList<QAction*> rectangle = PopupRectangle->actions();
    const QList<QAction*> circle = PopupCircle->actions();
    const QList<QAction*> corner = PopupOutlineBorder->actions();
    connect(rectangle[0], &QAction::triggered, this, &TFMain::ButtonRectangleClick);
    connect(rectangle[1], &QAction::triggered, this, &TFMain::ButtonFilledRectangleClick);
    connect(circle[0], &QAction::triggered, this, &TFMain::ButtonCircleClick);
    connect(circle[1], &QAction::triggered, this, &TFMain::ButtonFilledCircleClick);
    connect(corner[0], &QAction::triggered, this, &TFMain::MenuCornerRoundClick);
    connect(corner[1], &QAction::triggered, this, &TFMain::MenuCornerSharpClick);
}

void TFMain::applyFillFactorButton()
{
    QMenu* menu = nullptr;
    int item = 0;
    QString hint;
    switch (fMode) {
    case modRectangle:
        menu = PopupRectangle;
        item = fFillMode == fillFull ? 1 : 0;
        hint = item ? TRANSLATABLE("Filled rectangle") : TRANSLATABLE("Empty rectangle");
        break;
    case modCircle:
        menu = PopupCircle;
        item = fFillMode == fillFull ? 1 : 0;
        hint = item ? TRANSLATABLE("Filled circle") : TRANSLATABLE("Empty circle");
        break;
    case modInlineBorder:
    case modOutlineBorder:
        menu = PopupOutlineBorder;
        item = fCornerRound ? 0 : 1;
        hint = fCornerRound ? TRANSLATABLE("Corner round") : TRANSLATABLE("Corner sharp");
        break;
    default:
        break;
    }
    DropDownFillFactor->setEnabled(menu != nullptr);
    DropDownFillFactor->setMenu(menu);
    if (!menu)
        return;
    DropDownFillFactor->setIcon(menu->actions().at(item)->icon());
    DropDownFillFactor->setToolTip(translate(hint));
}

void TFMain::setFillMode(TFillMode mode)
{
    fFillMode = mode;
    applyFillFactorButton();
}

void TFMain::ButtonRectangleClick()
{
    setMode(modRectangle);
    setFillMode(fillNone);
}

void TFMain::ButtonFilledRectangleClick()
{
    setMode(modRectangle);
    setFillMode(fillFull);
}

void TFMain::ButtonCircleClick()
{
    setMode(modCircle);
    setFillMode(fillNone);
}

void TFMain::ButtonFilledCircleClick()
{
    setMode(modCircle);
    setFillMode(fillFull);
}

// The outline is made of back stitches, so they are shown first.
void TFMain::ButtonOutlineClick()
{
    if (!fBackStitchesVisible)
        setBackStitchesVisible(true);
    setMode(modOutline);
}

void TFMain::ButtonBorderRoundClick()
{
    fCornerRound = true;
}

void TFMain::ButtonBorderSharpClick()
{
    fCornerRound = false;
}

void TFMain::MenuCornerRoundClick()
{
    ButtonBorderRoundClick();
    applyFillFactorButton();
}

void TFMain::MenuCornerSharpClick()
{
    ButtonBorderSharpClick();
    applyFillFactorButton();
}
