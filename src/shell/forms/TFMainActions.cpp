// The menus and the tool bar of the main window, and the table of their captions.
#include "model/Design.h"
#include "model/Translatable.h"
#include "shell/forms/TFMain.h"
#include "view/forms/TColorPanel.h"
#include "view/forms/TFPalette.h"
#include <QLabel>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QActionGroup>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include "shell/forms/WrappingToolBar.h"
#include <QToolButton>

namespace {
QIcon icon(const QString& name)
{
    return name.isEmpty() ? QIcon() : QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}
} // namespace

QAction* TFMain::plainAction(const QString& name, const QString& iconName)
{
    auto* action = new QAction(icon(iconName), QString(), this);
    action->setObjectName(name);
    return action;
}

QAction* TFMain::toolAction(const QString& name, const QString& iconName, TMode toolMode)
{
    QAction* action = plainAction(name, iconName);
    action->setCheckable(true);
    m_toolGroup->addAction(action);
    m_modeButtons.insert(toolMode, action);
    connect(action, &QAction::triggered, this, [this, toolMode] { setMode(toolMode); });
    return action;
}

void TFMain::createMenus()
{
    const auto item = [this](QMenu* menu, const QString& name, const QString& iconName = QString()) {
        QAction* a = plainAction(name, iconName);
        menu->addAction(a);
        return a;
    };
    MenuFile = menuBar()->addMenu(QString());
    MenuNew = item(MenuFile, QStringLiteral("MenuNew"), QStringLiteral("new"));
    MenuNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    MenuPicture = item(MenuFile, QStringLiteral("MenuPicture"), QStringLiteral("convert"));
    MenuPicture->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MenuOpen = item(MenuFile, QStringLiteral("MenuOpen"), QStringLiteral("open"));
    MenuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    MenuOpenAs = item(MenuFile, QStringLiteral("MenuOpenAs"));
    MenuSave = item(MenuFile, QStringLiteral("MenuSave"), QStringLiteral("save"));
    MenuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    MenuSaveAs = item(MenuFile, QStringLiteral("MenuSaveAs"), QStringLiteral("saveas"));
    MenuSaveAs->setShortcut(QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_S));
    createExportMenu();
    MenuReopen = MenuFile->addMenu(QString());
    MenuReopen->setObjectName(QStringLiteral("MenuReopen"));
    MenuPrint = item(MenuFile, QStringLiteral("MenuPrint"), QStringLiteral("print"));
    MenuFile->addSeparator();
    MenuExit = item(MenuFile, QStringLiteral("MenuExit"), QStringLiteral("close"));
    MenuExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

    MenuEdit = menuBar()->addMenu(QString());
    Undo1 = item(MenuEdit, QStringLiteral("Undo1"), QStringLiteral("undo"));
    Undo1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Redo1 = item(MenuEdit, QStringLiteral("Redo1"), QStringLiteral("redo"));
    Redo1->setShortcut(QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Z));
    MenuEdit->addSeparator();
    MenuCut = item(MenuEdit, QStringLiteral("MenuCut"), QStringLiteral("cut"));
    MenuCut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    MenuCopy = item(MenuEdit, QStringLiteral("MenuCopy"), QStringLiteral("copy"));
    MenuCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    MenuPaste = item(MenuEdit, QStringLiteral("MenuPaste"), QStringLiteral("paste"));
    MenuPaste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    MenuMerge = item(MenuEdit, QStringLiteral("MenuMerge"), QStringLiteral("merge"));
    MenuMerge->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    MenuEdit->addSeparator();
    MenuAddToLibrary = item(MenuEdit, QStringLiteral("MenuAddToLibrary"), QStringLiteral("library"));

    MenuViewTop = menuBar()->addMenu(QString());
    MenuView = MenuViewTop->addMenu(QString());
    MenuView->setObjectName(QStringLiteral("MenuView"));
    MenuViewNone = item(MenuView, QStringLiteral("MenuViewNone"), QStringLiteral("view-none"));
    MenuViewGrid = item(MenuView, QStringLiteral("MenuViewGrid"), QStringLiteral("view-grid"));
    MenuViewSymbols = item(MenuView, QStringLiteral("MenuViewSymbols"), QStringLiteral("view-symbols"));
    MenuViewBoth = item(MenuView, QStringLiteral("MenuViewBoth"), QStringLiteral("view-both"));
    MenuRealPreview = item(MenuViewTop, QStringLiteral("MenuRealPreview"), QStringLiteral("realpreview"));

    MenuTools = menuBar()->addMenu(QString());
    MenuLibrary = item(MenuTools, QStringLiteral("MenuLibrary"), QStringLiteral("library"));
    MenuPro = MenuTools->addMenu(QString());
    MenuCharactersEditor = item(MenuPro, QStringLiteral("MenuCharactersEditor"));
    MenuChangecharacter = item(MenuPro, QStringLiteral("MenuChangecharacter"));
    MenuCMYK = item(MenuPro, QStringLiteral("MenuCMYK"));
    MenuPaletteEditor = MenuPro->addMenu(icon(QStringLiteral("palette")), QString());
    MenuNewPalette = item(MenuPaletteEditor, QStringLiteral("MenuNewPalette"));
    MenuEditPalette = item(MenuPaletteEditor, QStringLiteral("MenuEditPalette"));
    MenuRhodesEditor = item(MenuPro, QStringLiteral("MenuRhodesEditor"), QStringLiteral("rhode"));
    MenuTools->addSeparator();
    MenuPatternSettings = item(MenuTools, QStringLiteral("MenuPatternSettings"));
    MenuOptions = item(MenuTools, QStringLiteral("MenuOptions"), QStringLiteral("options"));

    MenuHelp = menuBar()->addMenu(QString());
    MenuIndex = item(MenuHelp, QStringLiteral("MenuIndex"), QStringLiteral("help"));
    MenuIndex->setShortcut(QKeySequence(Qt::Key_F1));
    MenuHomePage = item(MenuHelp, QStringLiteral("MenuHomePage"));
    MenuAbout = item(MenuHelp, QStringLiteral("MenuAbout"), QStringLiteral("about"));
    MenuCheckUpdates = item(MenuHelp, QStringLiteral("MenuCheckUpdates"));

    MenuLanguages = menuBar()->addMenu(QString());
    MenuLanguages->setObjectName(QStringLiteral("MenuLanguages"));
    connect(MenuLanguages, &QMenu::aboutToShow, this, &TFMain::ReadLanguages);

    connect(MenuOpen, &QAction::triggered, this, &TFMain::MenuOpenClick);
    connect(MenuOpenAs, &QAction::triggered, this, &TFMain::MenuOpenAsClick);
    connect(MenuSave, &QAction::triggered, this, &TFMain::MenuSaveClick);
    connect(MenuSaveAs, &QAction::triggered, this, &TFMain::MenuSaveAsClick);
    connect(MenuNew, &QAction::triggered, this, &TFMain::MenuNewClick);
    connect(MenuExit, &QAction::triggered, this, &QWidget::close);
    connect(MenuViewNone, &QAction::triggered, this, [this] { setVisibility(false, false); });
    connect(MenuViewGrid, &QAction::triggered, this, [this] { setVisibility(true, false); });
    connect(MenuViewSymbols, &QAction::triggered, this, [this] { setVisibility(false, true); });
    connect(MenuViewBoth, &QAction::triggered, this, [this] { setVisibility(true, true); });
    // Opening "Pro" re-applies the drawing colour, which refreshes "Change character ...".
    connect(MenuPro, &QMenu::aboutToShow, this, [this] { m_design->stitch.setDrawcolor(m_design->stitch.drawcolor()); });
    connect(MenuPicture, &QAction::triggered, this, &TFMain::Open1Click);
    connect(MenuPrint, &QAction::triggered, this, &TFMain::MenuPrintClick);
    connect(MenuNewPalette, &QAction::triggered, this, &TFMain::MenuNewPaletteClick);
    connect(MenuEditPalette, &QAction::triggered, this, &TFMain::MenuEditPaletteClick);
    connect(MenuCMYK, &QAction::triggered, this, &TFMain::MenuCMYKClick);
    connect(MenuCharactersEditor, &QAction::triggered, this, &TFMain::MenuCharactersEditorClick);
    connect(MenuChangecharacter, &QAction::triggered, this, &TFMain::MenuChangecharacterClick);
    connect(MenuRhodesEditor, &QAction::triggered, this, &TFMain::MenuRhodesEditorClick);
    connect(MenuPatternSettings, &QAction::triggered, this, &TFMain::MenuPatternSettingsClick);
    connect(MenuOptions, &QAction::triggered, this, &TFMain::MenuOptionsClick);
    connect(MenuAddToLibrary, &QAction::triggered, this, &TFMain::MenuAddToLibraryClick);
    connect(MenuLibrary, &QAction::triggered, this, &TFMain::MenuLibraryClick);
    connect(MenuIndex, &QAction::triggered, this, [this] { showHelp(0); });
    // The program's home is its help, which ships with it; there is no web site to depend on.
    connect(MenuHomePage, &QAction::triggered, this, [this] { showHelp(0); });
    connect(MenuAbout, &QAction::triggered, this, &TFMain::MenuAboutClick);
}

void TFMain::createToolBar()
{
    // The tool bar wraps onto a second row in a narrow window; it sits above the splitter.
    ToolBar1 = new WrappingToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(24, 24));
    m_toolGroup = new QActionGroup(this);
    m_toolGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);

    const auto add = [this](QAction* a) {
        ToolBar1->addAction(a);
        m_toolBarNames << a->objectName();
        return a;
    };
    const auto addButton = [this](QToolButton* b) {
        ToolBar1->addWidget(b);
        m_toolBarNames << b->objectName();
        return b;
    };
    const auto separator = [this] {
        ToolBar1->addSeparator();
        m_toolBarNames << QStringLiteral("|");
    };
    const auto dropDown = [this](const QString& name, const QString& iconName, QToolButton::ToolButtonPopupMode popup) {
        auto* b = new QToolButton(ToolBar1);
        b->setObjectName(name);
        b->setIcon(icon(iconName));
        b->setPopupMode(popup);
        b->setMenu(new QMenu(b));
        b->setAutoRaise(true);
        return b;
    };

    ButtonNew = add(MenuNew);
    ButtonPicture = add(MenuPicture);
    ButtonOpen = add(MenuOpen);
    ButtonSave = add(MenuSave);
    ButtonSaveAs = add(MenuSaveAs);
    separator();
    ButtonPrint = add(MenuPrint);
    separator();
    BUndo = add(Undo1);
    BRedo = add(Redo1);
    separator();
    ButtonSelection = add(toolAction(QStringLiteral("ButtonSelection"), QStringLiteral("selection"), modSelection));
    separator();
    ButtonCut = add(MenuCut);
    ButtonCopy = add(MenuCopy);
    ButtonPaste = add(MenuPaste);
    ButtonMerge = add(MenuMerge);
    separator();
    ButtonView = addButton(dropDown(QStringLiteral("ButtonView"), QStringLiteral("view-both"), QToolButton::InstantPopup));
    ButtonView->menu()->addActions({MenuViewNone, MenuViewGrid, MenuViewSymbols, MenuViewBoth});
    ButtonBackStitch = add(plainAction(QStringLiteral("ButtonBackStitch"), QStringLiteral("backstitch-visible")));
    ButtonBackStitch->setCheckable(true);
    ButtonHighlight = add(plainAction(QStringLiteral("ButtonHighlight"), QStringLiteral("highlight")));
    ButtonHighlight->setCheckable(true);
    ButtonRealPreview = add(MenuRealPreview);
    ButtonShadow = addButton(dropDown(QStringLiteral("ButtonShadow"), QStringLiteral("shadow"), QToolButton::MenuButtonPopup));
    ButtonShadow->setCheckable(true);
    separator();
    ButtonZoomDec = add(plainAction(QStringLiteral("ButtonZoomDec"), QStringLiteral("zoom-out")));
    ButtonZoom = addButton(dropDown(QStringLiteral("ButtonZoom"), QString(), QToolButton::InstantPopup));
    ButtonZoom->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ButtonZoomInc = add(plainAction(QStringLiteral("ButtonZoomInc"), QStringLiteral("zoom-in")));
    ButtonCursor = add(toolAction(QStringLiteral("ButtonCursor"), QStringLiteral("cursor"), modCursor));
    separator();
    ButtonDraw = add(toolAction(QStringLiteral("ButtonDraw"), QStringLiteral("draw"), modDraw));
    ButtonDrawQuarter = add(toolAction(QStringLiteral("ButtonDrawQuarter"), QStringLiteral("quarter"), modQDraw));
    ButtonDrawLine = add(toolAction(QStringLiteral("ButtonDrawLine"), QStringLiteral("line"), modLine));
    ButtonDrawRectangle = add(toolAction(QStringLiteral("ButtonDrawRectangle"), QStringLiteral("rectangle"), modRectangle));
    ButtonDrawCircle = add(toolAction(QStringLiteral("ButtonDrawCircle"), QStringLiteral("circle"), modCircle));
    ButtonFill = add(toolAction(QStringLiteral("ButtonFill"), QStringLiteral("fill"), modFill));
    ButtonText = add(plainAction(QStringLiteral("ButtonText"), QStringLiteral("text")));
    ButtonOutlineBorder = add(toolAction(QStringLiteral("ButtonOutlineBorder"), QStringLiteral("outline-border"), modOutlineBorder));
    ButtonInlineBorder = add(toolAction(QStringLiteral("ButtonInlineBorder"), QStringLiteral("inline-border"), modInlineBorder));
    ButtonKnot = add(toolAction(QStringLiteral("ButtonKnot"), QStringLiteral("frenchknot"), modFrenchKnot));
    ButtonRhode = addButton(dropDown(QStringLiteral("ButtonRhode"), QStringLiteral("rhode"), QToolButton::MenuButtonPopup));
    separator();
    ButtonBackStitchDraw = add(toolAction(QStringLiteral("ButtonBackStitchDraw"), QStringLiteral("backstitch"), modBackStitch));
    separator();
    ButtonOutline = add(toolAction(QStringLiteral("ButtonOutline"), QStringLiteral("outline"), modOutline));
    ButtonPipette = add(toolAction(QStringLiteral("ButtonPipette"), QStringLiteral("pipette"), modPipette));
    ButtonErase = add(toolAction(QStringLiteral("ButtonErase"), QStringLiteral("eraser"), modErase));
    ButtonSwitchColors = add(toolAction(QStringLiteral("ButtonSwitchColors"), QStringLiteral("replacecolor"), modReplaceColor));
    ButtonInsert = add(toolAction(QStringLiteral("ButtonInsert"), QStringLiteral("insert"), modInsert));
    // The insert tool is armed by its dialog, not by the button alone.
    disconnect(ButtonInsert, &QAction::triggered, this, nullptr);
    connect(ButtonInsert, &QAction::triggered, this, &TFMain::ButtonInsertClick);
    separator();
    DropDownPenSize = addButton(dropDown(QStringLiteral("DropDownPenSize"), QStringLiteral("pensize-1"), QToolButton::InstantPopup));
    PopupPenSize = DropDownPenSize->menu();
    for (int size = 1; size <= 4; ++size) {
        QAction* a = DropDownPenSize->menu()->addAction(icon(QStringLiteral("pensize-%1").arg(size)), QStringLiteral("%1 px").arg(size));
        a->setObjectName(QStringLiteral("N%1Click").arg(size));
        connect(a, &QAction::triggered, this, [this, size] { m_design->stitch.setPensize(size); });
    }
    DropDownFillFactor = addButton(dropDown(QStringLiteral("DropDownFillFactor"), QStringLiteral("rectangle"), QToolButton::InstantPopup));
    createShapePopups();
    separator();
    ButtonRotateRight = add(plainAction(QStringLiteral("ButtonRotateRight"), QStringLiteral("rotate-right")));
    ButtonRotateLeft = add(plainAction(QStringLiteral("ButtonRotateLeft"), QStringLiteral("rotate-left")));
    ButtonMirrorHorizontal = add(plainAction(QStringLiteral("ButtonMirrorHorizontal"), QStringLiteral("mirror-horizontal")));
    ButtonMirrorVertical = add(plainAction(QStringLiteral("ButtonMirrorVertical"), QStringLiteral("mirror-vertical")));

    // A gesture in progress is recorded first, so the history always matches the design.
    connect(Undo1, &QAction::triggered, this, [this] {
        finishGesture();
        m_design->History.Undo();
    });
    connect(Redo1, &QAction::triggered, this, [this] {
        finishGesture();
        m_design->History.Redo();
    });
    connect(ButtonRhode, &QToolButton::clicked, this, &TFMain::ButtonRhodeClick);
    // After the tool action entered the mode: the buttons repeat the last fill choice.
    connect(ButtonDrawRectangle, &QAction::triggered, this,
        [this] { fFillMode == fillFull ? ButtonFilledRectangleClick() : ButtonRectangleClick(); });
    connect(ButtonDrawCircle, &QAction::triggered, this,
        [this] { fFillMode == fillFull ? ButtonFilledCircleClick() : ButtonCircleClick(); });
    connect(ButtonOutline, &QAction::triggered, this, &TFMain::ButtonOutlineClick);
    connect(ButtonBackStitch, &QAction::triggered, this, [this](bool on) {
        // While back stitches are drawn they stay visible.
        setBackStitchesVisible(fMode == modBackStitch || on);
    });
    connect(ButtonHighlight, &QAction::triggered, this, &TFMain::ButtonHighlightClick);
    connect(ButtonZoomInc, &QAction::triggered, this, &TFMain::ButtonZoomIncClick);
    connect(ButtonZoomDec, &QAction::triggered, this, &TFMain::ButtonZoomDecClick);
}

QStringList TFMain::toolBarEntries() const
{
    return m_toolBarNames;
}

void TFMain::createCaptionTable()
{
    const auto text = [](QAction* a) { return [a](const QString& t) { a->setText(t); }; };
    const auto hint = [](QObject* o) {
        return [o](const QString& t) {
            if (auto* a = qobject_cast<QAction*>(o))
                a->setToolTip(t);
            else if (auto* w = qobject_cast<QWidget*>(o))
                w->setToolTip(t);
        };
    };
    const auto title = [](QMenu* m) { return [m](const QString& t) { m->setTitle(t); }; };
    const QString dots = QStringLiteral(" ...");
    CaptionTable& c = m_captions;

    c.add(TRANSLATABLE("File"), title(MenuFile));
    c.add(TRANSLATABLE("New empty Design"), text(MenuNew), dots);
    c.add(TRANSLATABLE("Convert Picture to Design"), text(MenuPicture), dots);
    c.add(TRANSLATABLE("Open Design"), text(MenuOpen), dots);
    c.add(TRANSLATABLE("Open Design As"), text(MenuOpenAs), dots);
    c.add(TRANSLATABLE("Save"), text(MenuSave));
    c.add(TRANSLATABLE("Save as"), text(MenuSaveAs), dots);
    c.add(TRANSLATABLE("Export OXS"), text(MenuExportOXS), dots);
    c.add(TRANSLATABLE("Reopen"), title(MenuReopen), dots);
    c.add(TRANSLATABLE("Print"), text(MenuPrint), dots);
    c.add(TRANSLATABLE("Exit"), text(MenuExit));
    c.add(TRANSLATABLE("Edit"), title(MenuEdit));
    c.add(TRANSLATABLE("Undo"), text(Undo1));
    c.add(TRANSLATABLE("Redo"), text(Redo1));
    c.add(TRANSLATABLE("Cut"), text(MenuCut));
    c.add(TRANSLATABLE("Copy"), text(MenuCopy));
    c.add(TRANSLATABLE("Paste"), text(MenuPaste));
    c.add(TRANSLATABLE("Merge"), text(MenuMerge));
    c.add(TRANSLATABLE("Add to library"), text(MenuAddToLibrary));
    c.add(TRANSLATABLE("View"), title(MenuViewTop));
    c.add(TRANSLATABLE("Grid and symbols"), title(MenuView));
    c.add(TRANSLATABLE("None"), text(MenuViewNone));
    c.add(TRANSLATABLE("Grid"), text(MenuViewGrid));
    c.add(TRANSLATABLE("Symbols"), text(MenuViewSymbols));
    c.add(TRANSLATABLE("Grid and symbols"), text(MenuViewBoth));
    c.add(TRANSLATABLE("Real Preview"), text(MenuRealPreview));
    c.add(TRANSLATABLE("Tools"), title(MenuTools));
    c.add(TRANSLATABLE("Library"), text(MenuLibrary), dots);
    c.add(TRANSLATABLE("Pro"), title(MenuPro));
    c.add(TRANSLATABLE("Characters editor"), text(MenuCharactersEditor), dots);
    c.add(TRANSLATABLE("Change symbol for the current color"), text(MenuChangecharacter), dots);
    c.add(TRANSLATABLE("Adjust CMYK colors"), text(MenuCMYK), dots);
    c.add(TRANSLATABLE("Palette editor"), title(MenuPaletteEditor));
    c.add(TRANSLATABLE("New palette"), text(MenuNewPalette), dots);
    c.add(TRANSLATABLE("Edit palette"), text(MenuEditPalette), dots);
    c.add(TRANSLATABLE("Rhodes editor"), text(MenuRhodesEditor), dots);
    c.add(TRANSLATABLE("Design Settings"), text(MenuPatternSettings), dots);
    c.add(TRANSLATABLE("Options"), text(MenuOptions), dots);
    c.add(TRANSLATABLE("Help"), title(MenuHelp));
    c.add(TRANSLATABLE("Index"), text(MenuIndex), dots);
    c.add(TRANSLATABLE("Home page"), text(MenuHomePage));
    c.add(TRANSLATABLE("About"), text(MenuAbout), dots);
    c.add(TRANSLATABLE("Check for updates"), text(MenuCheckUpdates), dots);
    c.add(TRANSLATABLE("Languages"), title(MenuLanguages));

    c.add(TRANSLATABLE("New empty Design"), hint(ButtonNew));
    c.add(TRANSLATABLE("Convert Picture to Design"), hint(ButtonPicture));
    c.add(TRANSLATABLE("Open Design"), hint(ButtonOpen));
    c.add(TRANSLATABLE("Save"), hint(ButtonSave));
    c.add(TRANSLATABLE("Save as"), hint(ButtonSaveAs));
    c.add(TRANSLATABLE("Print"), hint(ButtonPrint));
    c.add(TRANSLATABLE("Undo"), hint(BUndo));
    c.add(TRANSLATABLE("Redo"), hint(BRedo));
    c.add(TRANSLATABLE("Show selection"), hint(ButtonSelection));
    c.add(TRANSLATABLE("Cut"), hint(ButtonCut));
    c.add(TRANSLATABLE("Copy"), hint(ButtonCopy));
    c.add(TRANSLATABLE("Paste"), hint(ButtonPaste));
    c.add(TRANSLATABLE("Merge"), hint(ButtonMerge));
    c.add(TRANSLATABLE("Grid and symbols"), hint(ButtonView));
    c.add(TRANSLATABLE("Show Back Stitches"), hint(ButtonBackStitch));
    c.add(TRANSLATABLE("Highlight color"), hint(ButtonHighlight));
    c.add(TRANSLATABLE("Real Preview"), hint(ButtonRealPreview));
    c.add(TRANSLATABLE("Shadow image"), hint(ButtonShadow));
    c.add(TRANSLATABLE("Shadow Image"), text(ShadowImage1));
    c.add(TRANSLATABLE("Zoom Out"), hint(ButtonZoomDec));
    c.add(TRANSLATABLE("Zoom"), hint(ButtonZoom));
    c.add(TRANSLATABLE("Zoom In"), hint(ButtonZoomInc));
    c.add(TRANSLATABLE("Mode cursor"), hint(ButtonCursor));
    c.add(TRANSLATABLE("Draw Cross Stitches"), hint(ButtonDraw));
    c.add(TRANSLATABLE("Draw Quarter Stitches"), hint(ButtonDrawQuarter));
    c.add(TRANSLATABLE("Draw line"), hint(ButtonDrawLine));
    c.add(TRANSLATABLE("Draw rectangle"), hint(ButtonDrawRectangle));
    c.add(TRANSLATABLE("Draw circle"), hint(ButtonDrawCircle));
    c.add(TRANSLATABLE("Fill"), hint(ButtonFill));
    c.add(TRANSLATABLE("Create Text"), hint(ButtonText));
    c.add(TRANSLATABLE("Outline border"), hint(ButtonOutlineBorder));
    c.add(TRANSLATABLE("Inline border"), hint(ButtonInlineBorder));
    c.add(TRANSLATABLE("Draw french knot"), hint(ButtonKnot));
    c.add(TRANSLATABLE("Draw rhode"), hint(ButtonRhode));
    c.add(TRANSLATABLE("Draw Back Stitches"), hint(ButtonBackStitchDraw));
    c.add(TRANSLATABLE("Outline"), hint(ButtonOutline));
    c.add(TRANSLATABLE("Pipette"), hint(ButtonPipette));
    c.add(TRANSLATABLE("Erase"), hint(ButtonErase));
    c.add(TRANSLATABLE("Replace color"), hint(ButtonSwitchColors));
    c.add(TRANSLATABLE("Insert row(s)/column(s)"), hint(ButtonInsert));
    c.add(TRANSLATABLE("Pen size"), hint(DropDownPenSize));
    const QList<QAction*> penSizes = PopupPenSize->actions();
    for (int i = 0; i < penSizes.size(); ++i)
        c.add(TRANSLATABLE("%1 px"), [item = penSizes[i], i](const QString& t) { item->setText(t.arg(i + 1)); });
    const auto popupItem = [text](QMenu* menu, int i) { return text(menu->actions().at(i)); };
    c.add(TRANSLATABLE("Rectangle"), popupItem(PopupRectangle, 0));
    c.add(TRANSLATABLE("Filled rectangle"), popupItem(PopupRectangle, 1));
    c.add(TRANSLATABLE("Circle"), popupItem(PopupCircle, 0));
    c.add(TRANSLATABLE("Filled circle"), popupItem(PopupCircle, 1));
    c.add(TRANSLATABLE("Corner round"), popupItem(PopupOutlineBorder, 0));
    c.add(TRANSLATABLE("Corner sharp"), popupItem(PopupOutlineBorder, 1));
    const auto sortItem = [this](int i) { return [this, i](const QString& t) { PanelLeft->ComboSort->setItemText(i, t); }; };
    c.add(TRANSLATABLE("by palette"), sortItem(0));
    c.add(TRANSLATABLE("by name"), sortItem(1));
    c.add(TRANSLATABLE("by number"), sortItem(2));
    c.add(TRANSLATABLE("by usage"), sortItem(3));
    c.add(TRANSLATABLE("All colors"), [this](const QString& t) { PanelLeft->RadioAllColors->setText(t); });
    c.add(TRANSLATABLE("Only used colors"), [this](const QString& t) { PanelLeft->RadioUsedColors->setText(t); });
    c.add(TRANSLATABLE("Palette"), [this](const QString& t) { PanelLeft->ButtonPalette->setText(t); });
    c.add(TRANSLATABLE("Show large palette"), hint(PanelLeft->ButtonPalette));
    c.add(TRANSLATABLE("Change symbol for the current color"),
        [this](const QString& t) { PanelLeft->setProperty("changeCharacterCaption", QString(t + QStringLiteral(" ..."))); });
    c.add(TRANSLATABLE("Show text"), [this](const QString& t) {
        FPalette->findChild<QLabel*>(QStringLiteral("LabelShowText"))->setText(t + QStringLiteral(" :"));
    });
    const QString paletteTexts[] = {TRANSLATABLE("None"), TRANSLATABLE("Color number"), TRANSLATABLE("Usage"),
        TRANSLATABLE("ColorName"), TRANSLATABLE("Symbol")};
    for (int i = 0; i < 5; ++i)
        c.add(paletteTexts[i], [this, i](const QString& t) { FPalette->ComboShowText->setItemText(i, t); });
    c.add(TRANSLATABLE("Rotate right"), hint(ButtonRotateRight));
    c.add(TRANSLATABLE("Rotate left"), hint(ButtonRotateLeft));
    c.add(TRANSLATABLE("Mirror horizontal"), hint(ButtonMirrorHorizontal));
    c.add(TRANSLATABLE("Mirror vertical"), hint(ButtonMirrorVertical));
    c.add(TRANSLATABLE("Number"), [this](const QString& t) { PanelLeft->setColumnCaption(1, t); });
    c.add(TRANSLATABLE("Pixel"), [this](const QString& t) { PanelLeft->setColumnCaption(2, t); });
}
