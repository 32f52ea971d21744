#pragma once
#include "editing/TMode.h"
#include "model/DesignListener.h"
#include "model/SaveQuestions.h"
#include "shell/GeneralSettings.h"
#include "shell/forms/CaptionTable.h"
#include "shell/forms/MainDialogs.h"
#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <memory>

class ColorList;
class DesignSession;
class Design;
class RhodeShapes;
class SelectionSession;
class Tool;
class ToolBox;
struct ToolContext;
struct ToolFeedback;
struct ToolPointer;
class MainDialogs;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QSplitter;
class WrappingToolBar;
class QToolButton;
class SettingsStore;
class TFMessageDlg;
class TFChoosePalette;
class TFGhost;
class TFPalette;
class TFUpdate;
class TFHelp;
class TFOptions;
class TFTemplateSettings;
class QTimer;
class TFRealPreview;
class TFPrintOptions;
class TFPaletteEditor;
class TFCharacters;
class TFChangeCharacter;
class TFText;
class TFLibrary;
class TFWizzard;
class TFLibraryAdd;
class TFRhodesEditor;
class TColorPanel;
class TWorkView;

// The main window: owns the open design, runs the start-up initialisation, carries out the file
// commands, keeps the recent files, and switches its menus and tool buttons to match the design
// and the tool. It is the listener of the open design; every rule it applies lives in the core.
//
// The implementation is split by concern: TFMain.cpp (layout, listener, status bar),
// TFMainActions.cpp (menus and tool bar), TFMainStartup.cpp (start-up, ResetGUI, UpdateGUI),
// TFMainFile.cpp (file commands and closing), TFMainLanguages.cpp (languages and captions),
// TFMainView.cpp (zoom and layers), TFMainShadow.cpp (the shadow picture), TFMainTools.cpp
// (modes, pointer handling, tool pop-ups), TFMainHelp.cpp (help, about, the update check),
// TFMainCMYK.cpp (the print colour corrections dialog), TFMainSymbols.cpp (the symbol set editor
// and the change of one colour's symbol), TFMainSelection.cpp (the selection frame, the clipboard
// and floating content), TFMainRhodes.cpp (the rhodes editor), TFMainSettings.cpp (the options
// and design settings dialogs), TFMainLibrary.cpp (the design library).
class TFMain : public QMainWindow, public DesignListener, public SaveQuestions
{
    Q_OBJECT
public:
    // `commandLineFile`: the design named on the command line, or empty.
    explicit TFMain(const QString& commandLineFile = QString(), QWidget* parent = nullptr);
    ~TFMain() override;

    Design& design() { return *m_design; }
    // Replaces the real dialogs (tests script them); the window keeps ownership.
    void setDialogs(std::unique_ptr<MainDialogs> dialogs);
    QString translate(const QString& text);

    // Operations with fixed names.
    void FormCreate(const QString& commandLineFile);
    void ResetGUI();
    void UpdateGUI();
    void setVisibility(bool grid, bool symbols);
    void setFormCaption();
    bool OpenFile(const QString& fileName);
    void MRUListInsert(const QString& fileName);
    Answer MyMessageDlg(const QString& message);
    bool FormCloseQuery();
    void ReadLanguages();
    void selectLanguage(const QString& fileName);
    void translate();
    TMode mode() const { return fMode; }
    void setMode(TMode value);

    // Commands.
    void MenuOpenClick();
    void MenuOpenAsClick();
    void MenuSaveClick();
    void MenuSaveAsClick();
    void MenuExportOXSClick();
    void MenuNewClick();
    // Convert Picture to Template: a picture through the wizard into a new design.
    void Open1Click();
    TFWizzard* wizard() const { return FWizzard; }
    void MRUItemClick(int index);
    // The one way into the help: the help window at a dialog's topic (0: the contents).
    void showHelp(int topic);
    TFHelp* helpWindow() const;
    void MenuAboutClick();
    void MenuCheckForUpdatesClick();
    void TimerCheckForUpdatesTimer();
    // Tools -> Pro -> Palette editor.
    void MenuNewPaletteClick();
    void MenuEditPaletteClick();
    void MenuCMYKClick();
    // Tools -> Pro: the symbol set editor, and a new symbol for the drawing colour (from the
    // menu, and from the colour list's context menu).
    void MenuCharactersEditorClick();
    void MenuChangecharacterClick();
    void MenuChangeCharacter1Click();
    // Tools -> Pro -> Rhodes editor; the user's shapes are saved into their own rhodes file.
    void MenuRhodesEditorClick();

    // The shadow picture: loaded with the design, shown over the chart (layer mode) or in a
    // window of its own (window mode).
    bool GhostLoaded() const { return fGhostLoaded; }
    void setGhostLoaded(bool loaded);
    bool showGhostLayer() const { return fShowGhostLayer; }
    void setShowGhostLayer(bool shown);
    int shadowOpacity() const { return m_shadowOpacity; }
    bool shadowWindowMode() const { return m_shadowWindowMode; }
    void ButtonShadowClick();
    // A percentage item of the shadow menu: `tag` is its percentage.
    void N101Click(int tag);
    void ShadowImage1Click();
    TFGhost* ghostWindow() const { return FGhost; }
    // Tools -> Design Settings, Tools -> Options.
    void MenuPatternSettingsClick();
    void MenuOptionsClick();

    // The view: zoom steps, visibility, highlight, the pointer position.
    void setZoomIndex(int index);
    int zoomIndex() const { return m_zoomIndex; }
    void ButtonZoomIncClick();
    void ButtonZoomDecClick();
    void ButtonHighlightClick(bool down);
    void setBackStitchesVisible(bool visible);
    void MenuRealPreviewClick();
    void MenuPrintClick();

    // The tools: pointer handlers (view pixels, with the keys held), keys, the rhodes pop-up.
    void ImageMouseDown(const QPoint& pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys = {});
    void ImageMouseMove(const QPoint& pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys = {});
    void ImageMouseUp(const QPoint& pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys = {});
    // True when the key was the window's; the window sees keys before its controls.
    bool FormKeyDown(int key);
    void refreshRhodePopup();
    void MenuItemRhodeClick(int index);
    void RhodeButtonUpdateImage(int index);
    void ButtonRhodeClick();
    void ButtonInsertClick();
    // The shape and border tools: the buttons repeat the last fill choice, the fill-factor
    // button's pop-ups choose it (or the border tools' corners).
    void ButtonRectangleClick();
    void ButtonFilledRectangleClick();
    void ButtonCircleClick();
    void ButtonFilledCircleClick();
    void ButtonOutlineClick();
    void ButtonBorderRoundClick();
    void ButtonBorderSharpClick();
    void MenuCornerRoundClick();
    void MenuCornerSharpClick();
    void setFillMode(TFillMode mode);
    TFillMode fillMode() const { return fFillMode; }
    bool cornerRound() const { return fCornerRound; }
    const RhodeShapes& rhodeShapes() const { return *m_rhodeShapes; }
    // The tool of the current mode, or null.
    Tool* currentTool() const;

    // The selection: clipboard commands, the transforms of floating content, the frame's timer.
    void MenuCopyClick();
    void MenuCutClick();
    void MenuPasteClick();
    void ButtonTextClick();
    // The design library: store the design or its selection; place an entry as floating content.
    void MenuAddToLibraryClick();
    void MenuLibraryClick();
    void MenuMergeClick();
    void ButtonRotateRightClick();
    void ButtonRotateLeftClick();
    void ButtonMirrorHorzClick();
    void ButtonMirrorVertClick();
    void Timer1Timer();
    const SelectionSession& selection() const { return *m_selection; }
    // Frame animation, running while the frame exists.
    QTimer* Timer1 = nullptr;

    // Names of the tool bar entries in order, "|" for separators (tests check the order).
    QStringList toolBarEntries() const;
    QString statusPanelText(int panel) const;
    const GeneralSettings& general() const { return fGeneral; }
    bool knittingMode() const { return KnittingMode; }

    // Menu items and tool buttons, named after what they do in the menus and the tool bar.
    QAction *MenuNew, *MenuPicture, *MenuOpen, *MenuOpenAs, *MenuSave, *MenuSaveAs, *MenuPrint, *MenuExit;
    QMenu* MenuReopen;
    QAction* MenuExportOXS;
    QAction *Undo1, *Redo1, *MenuCut, *MenuCopy, *MenuPaste, *MenuMerge, *MenuAddToLibrary;
    QMenu* MenuView;
    QAction *MenuViewNone, *MenuViewGrid, *MenuViewSymbols, *MenuViewBoth, *MenuRealPreview;
    QAction *MenuLibrary, *MenuCharactersEditor, *MenuChangecharacter, *MenuCMYK, *MenuNewPalette, *MenuEditPalette;
    QAction *MenuRhodesEditor, *MenuPatternSettings, *MenuOptions;
    QAction *MenuIndex, *MenuHomePage, *MenuAbout, *MenuCheckUpdates;
    QMenu *MenuFile, *MenuEdit, *MenuViewTop, *MenuTools, *MenuPro, *MenuPaletteEditor, *MenuHelp, *MenuLanguages;

    WrappingToolBar* ToolBar1;
    QAction *ButtonNew, *ButtonPicture, *ButtonOpen, *ButtonSave, *ButtonSaveAs, *ButtonPrint, *BUndo, *BRedo;
    QAction *ButtonSelection, *ButtonCut, *ButtonCopy, *ButtonPaste, *ButtonMerge;
    QToolButton* ButtonView;
    QAction *ButtonBackStitch, *ButtonHighlight, *ButtonRealPreview;
    QToolButton* ButtonShadow;
    QMenu* PopupShadow;
    // The percentage items "10%" .. "100%" in order, then "Shadow Image".
    QAction *N101, *N202, *N301, *N401, *N501, *N601, *N701, *N801, *N901, *N1001, *ShadowImage1;
    QAction *ButtonZoomDec, *ButtonZoomInc, *ButtonCursor;
    QToolButton* ButtonZoom;
    QAction *ButtonDraw, *ButtonDrawQuarter, *ButtonDrawLine, *ButtonDrawRectangle, *ButtonDrawCircle, *ButtonFill;
    QAction *ButtonText, *ButtonOutlineBorder, *ButtonInlineBorder, *ButtonKnot;
    QToolButton* ButtonRhode;
    QAction *ButtonBackStitchDraw, *ButtonOutline, *ButtonPipette, *ButtonErase, *ButtonSwitchColors, *ButtonInsert;
    QToolButton *DropDownPenSize, *DropDownFillFactor;
    QMenu* PopupPenSize;
    QMenu *PopupRectangle, *PopupCircle, *PopupOutlineBorder;
    // The pictures of the rhodes shapes, one per item of the rhodes pop-up.
    QList<QIcon> ILRhodes;
    QAction *ButtonRotateRight, *ButtonRotateLeft, *ButtonMirrorHorizontal, *ButtonMirrorVertical;

    QSplitter* Splitter1;
    TColorPanel* PanelLeft;
    TWorkView* Image;
    QList<QLabel*> StatusBarPanels;
    TFUpdate* FUpdate = nullptr;
    // Starts the silent update check 20 s after start-up when one is due.
    QTimer* TimerCheckForUpdates = nullptr;

    // DesignListener
    void fileSavedChanged(bool saved) override;
    void fileNameChanged(const QString& fileName) override;
    void paletteNameChanged(const QString& key) override;
    void drawColorChanged(TColorRef color) override;
    void penSizeChanged(int size) override;
    void symbolSetChanged() override;
    void historyChanged(bool canUndo, bool canRedo) override;
    void cellChanged(int x, int y, bool refresh) override;
    void quarterChanged(int qx, int qy, bool refresh) override;
    void cellsChanged(const QRect& cells) override;
    void backStitchesChanged() override;
    void frenchKnotsChanged() override;
    void rhodesChanged() override;
    void backgroundChanged() override;
    void designChanged() override;
    void colorBecameUsed(TColorRef color) override;
    void colorBecameUnused(TColorRef color, bool resort) override;
    void colorListChanged() override;

    // SaveQuestions, for TStitch::Check.
    Answer ask(const QString& question) override;
    QString chooseSaveFileName(const QString& preset) override;
    bool saveWholeDesign(const QString& fileName) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createMenus();
    void createExportMenu();
    void createToolBar();
    void createCaptionTable();
    void createStatusBar();
    void createZoomMenu();
    void createShadowMenu();
    // The design just installed brings its shadow picture or has none.
    void takeDesignShadow();
    void showShadowWindow();
    void setShadowButtonDown(bool down);
    void connectView();
    void connectColorPanel();
    void ButtonPaletteClick(bool down);
    QAction* toolAction(const QString& name, const QString& icon, TMode toolMode);
    QAction* plainAction(const QString& name, const QString& icon = QString());
    void rebuildReopenMenu();
    void updateStatusPanels();
    QString openFilter();
    QString saveFilter();

    // Start-up pieces: a fresh design with settings and catalogues, then its installation.
    std::unique_ptr<Design> prepareDesign();
    void installDesign(std::unique_ptr<Design> design);
    void showMessages(const QStringList& messages);
    bool openInto(const QString& fileName, bool knitting);

    // Tools: what they read, the window's part of entering a mode, and ending a gesture.
    ToolContext toolContext();
    void applyFeedback(Tool& tool, const ToolFeedback& feedback);
    ToolPointer pointerAt(const QPoint& pixel, Qt::KeyboardModifiers keys) const;
    void applyModeControls();
    void createShapePopups();
    // The fill-factor button of the current mode: its pop-up, picture and hint, or disabled.
    void applyFillFactorButton();
    void finishGesture();
    void showPointerPosition(const QPoint& pixel, Qt::MouseButtons buttons);
    void loadRhodeShapes(const QString& rhodesPath, QStringList& messages);
    void createUpdateCheck();
    void connectSelection();
    // The selection's part of a mode change: the frame appears or goes with modSelection.
    void applySelectionMode();
    void selectionChanged();
    void putPictureOnClipboard();
    void hoverCursor(const QPoint& pixel);
    void openHelpAt(const QString& anchor);

    std::unique_ptr<Design> m_design;
    std::unique_ptr<ColorList> m_colorList;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<DesignSession> m_session;
    std::unique_ptr<MainDialogs> m_dialogs;
    TFMessageDlg* FMessageDlg;
    TFPalette* FPalette;
    TFRealPreview* FRealPreview = nullptr;
    TFPrintOptions* FPrintOptions = nullptr;
    // The palette editor and its list, made on first use.
    TFPaletteEditor* preparedPaletteEditor();
    TFChoosePalette* FChoosePalette = nullptr;
    TFPaletteEditor* FPaletteEditor = nullptr;
    // The symbol set editor and the change-symbol dialog, made on first use.
    TFCharacters* FCharacters = nullptr;
    TFChangeCharacter* FChangeCharacter = nullptr;
    TFText* FText = nullptr;
    TFLibrary* FLibrary = nullptr;
    TFWizzard* FWizzard = nullptr;
    TFLibraryAdd* FLibraryAdd = nullptr;
    // Made on first use. The help window belongs to the window it was opened from last, so a
    // modal dialog does not block it.
    TFOptions* FOptions = nullptr;
    TFTemplateSettings* FTemplateSettings = nullptr;
    QPointer<TFHelp> FHelp;
    GeneralSettings fGeneral;
    CaptionTable m_captions;
    QActionGroup* m_toolGroup;
    QHash<TMode, QAction*> m_modeButtons;
    QStringList m_toolBarNames;

    TMode fMode = modNone;
    bool fSymbolsVisible = false;
    bool fGridVisible = true;
    bool fBackStitchesVisible = true;
    bool fBackStitchesContinue = true;
    TFillMode fFillMode = fillNone;
    // The border tools' corner mode; every start-up initialisation sets it sharp.
    bool fCornerRound = false;
    bool fShowGhostLayer = false;
    bool fGhostLoaded = false;
    int m_shadowOpacity = 50;
    bool m_shadowWindowMode = false;
    TFGhost* FGhost = nullptr;
    bool KnittingMode = false;
    bool m_startupDone = false;
    int ZoomFactor = 8;
    int m_zoomIndex = 6;
    TMode m_returnMode = modDraw;
    // The mode the insert tool returns to after its one press, and the insert dialog's choice.
    TMode m_modeBeforeInsert = modDraw;
    InsertChoice m_insertChoice;
    std::unique_ptr<ToolBox> m_tools;
    std::unique_ptr<RhodeShapes> m_rhodeShapes;
    // The clipboard buffer and the selection frame, beside the design; emptied by ResetGUI.
    std::unique_ptr<SelectionSession> m_selection;
    bool m_rhodesMessageShown = false;
    TFRhodesEditor* FRhodesEditor = nullptr;
    // The rhodes editor changed the library but its file could not be written: the library
    // stays for this run instead of being read again with every new or opened design.
    bool m_rhodesUnsaved = false;
    // The automatic update check runs at most once per run.
    bool m_updateCheckRan = false;
    // The file the open design was read from or last saved to.
    QString m_openedFile;
};
