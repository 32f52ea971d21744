#include "shell/forms/TFMain.h"
#include "editing/tools/ToolBox.h"
#include "editing/SelectionSession.h"
#include "model/Design.h"
#include "model/RhodeShapes.h"
#include "model/Translatable.h"
#include "shell/DesignSession.h"
#include "shell/Paths.h"
#include "view/ColorList.h"
#include "shell/SettingsStore.h"
#include "shell/forms/RealMainDialogs.h"
#include "shell/forms/TFMessageDlg.h"
#include "shell/forms/WrappingToolBar.h"
#include "view/forms/TColorPanel.h"
#include "view/forms/TFPalette.h"
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include "view/forms/TWorkView.h"
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

TFMain::TFMain(const QString& commandLineFile, QWidget* parent)
    : QMainWindow(parent)
    , m_store(std::make_unique<SettingsStore>(Paths::settingsFile()))
    , m_session(std::make_unique<DesignSession>(*m_store, fGeneral, DesignSession::Program::Window))
    , m_dialogs(std::make_unique<RealMainDialogs>(*this))
    , FMessageDlg(new TFMessageDlg(this))
    , FPalette(new TFPalette(this))
    , m_tools(std::make_unique<ToolBox>())
    , m_rhodeShapes(std::make_unique<RhodeShapes>())
    , m_selection(std::make_unique<SelectionSession>())
{
    setObjectName(QStringLiteral("TFMain"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/threadwright.svg")));
    createMenus();
    createToolBar();
    createShadowMenu();
    PanelLeft = new TColorPanel;
    Image = new TWorkView;
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->addWidget(PanelLeft);
    Splitter1->addWidget(Image);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setChildrenCollapsible(false);
    // The left panel accepts widths strictly between 150 and 300 pixels.
    PanelLeft->setMinimumWidth(151);
    PanelLeft->setMaximumWidth(299);
    Splitter1->setSizes({260, 900});
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(ToolBar1);
    column->addWidget(Splitter1, 1);
    setCentralWidget(central);
    createStatusBar();
    createZoomMenu();
    connectView();
    connectSelection();
    connectColorPanel();
    createCaptionTable();
    resize(1200, 800);
    FormCreate(commandLineFile);
    createUpdateCheck();
    translate();
}

TFMain::~TFMain()
{
    if (m_design)
        m_design->setListener(nullptr);
}

void TFMain::setDialogs(std::unique_ptr<MainDialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
}

QString TFMain::translate(const QString& text)
{
    return m_design ? m_design->stitch.translate(text) : text;
}

void TFMain::createStatusBar()
{
    for (int i = 0; i < 6; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusBarPanel%1").arg(i));
        panel->setMinimumWidth(i == 5 ? 20 : 120);
        statusBar()->addWidget(panel, i == 5 ? 1 : 0);
        StatusBarPanels << panel;
    }
}

QString TFMain::statusPanelText(int panel) const
{
    return StatusBarPanels.value(panel) ? StatusBarPanels[panel]->text() : QString();
}

void TFMain::updateStatusPanels()
{
    const TStitch& doc = m_design->stitch;
    const QString symbols = doc.chars ? doc.chars->CharsName : QString();
    const int characters = doc.chars ? int(doc.chars->fcharacters.size()) : 0;
    StatusBarPanels[1]->setText(translate(TRANSLATABLE("Symbols")) + QStringLiteral(": ") + symbols);
    StatusBarPanels[3]->setText(translate(TRANSLATABLE("Colors used")) + QStringLiteral(": %1 (%2)").arg(doc.usedColors()).arg(characters));
}

void TFMain::showMessages(const QStringList& messages)
{
    if (!messages.isEmpty())
        m_dialogs->warn(messages.join(QLatin1Char('\n')));
}

Answer TFMain::MyMessageDlg(const QString& message)
{
    return FMessageDlg->ask(message, translate(TRANSLATABLE("Warning")), translate(TRANSLATABLE("Yes")),
        translate(TRANSLATABLE("No")), translate(TRANSLATABLE("Cancel")));
}

void TFMain::keyPressEvent(QKeyEvent* event)
{
    if (!FormKeyDown(event->key()))
        QMainWindow::keyPressEvent(event);
}

void TFMain::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

// ---- the design's notifications ----

void TFMain::fileSavedChanged(bool saved)
{
    MenuSave->setEnabled(!saved);
    setWindowModified(!saved);
}

void TFMain::fileNameChanged(const QString&)
{
    setFormCaption();
}

void TFMain::paletteNameChanged(const QString& key)
{
    StatusBarPanels[2]->setText(translate(TRANSLATABLE("Colors")) + QStringLiteral(": ") + key);
    if (const TColorTable* palette = m_design->stitch.palette(key))
        StatusBarPanels[4]->setText(translate(TRANSLATABLE("Available colours")) + QStringLiteral(": %1").arg(palette->size()));
}

void TFMain::connectColorPanel()
{
    connect(PanelLeft, &TColorPanel::colorChosen, this, [this](TColorRef color) {
        m_design->stitch.setDrawcolor(color);
        PanelLeft->UpdateColorPanels();
    });
    connect(PanelLeft, &TColorPanel::changeCharacterRequested, this, &TFMain::MenuChangeCharacter1Click);
    connect(PanelLeft->ButtonPalette, &QPushButton::clicked, this, &TFMain::ButtonPaletteClick);
    connect(FPalette, &TFPalette::colorChosen, this, [this](TColorRef color) {
        m_design->stitch.setDrawcolor(color);
        PanelLeft->UpdateColorPanels();
        PanelLeft->ButtonPalette->setChecked(false);
    });
    connect(FPalette, &TFPalette::closedByFocusLoss, this, [this] {
        QTimer::singleShot(100, this, [this] {
            PanelLeft->ButtonPalette->setChecked(false);
            PanelLeft->UpdateColorPanels();
        });
    });
    connect(FPalette, &TFPalette::showTextChanged, this, [this](int view) {
        fGeneral.PaletteView = view;
        m_store->writeInteger(QStringLiteral("PaletteView"), view);
    });
}

// The large palette window opens below the colour list's header, as wide as the main window
// allows whole swatch columns, and as high as the header and the list.
void TFMain::ButtonPaletteClick(bool down)
{
    if (!down) {
        FPalette->fadeOut();
        return;
    }
    QHeaderView* header = PanelLeft->GridColors->horizontalHeader();
    const int swatch = TFPalette::kSwatch.width() + 1;
    const int width = std::max(1, (this->width() - 300) / swatch) * swatch + 35;
    const int height = header->height() + PanelLeft->GridColors->height();
    FPalette->setGeometry(QRect(header->mapToGlobal(QPoint(0, ToolBar1->height())), QSize(width, height)));
    FPalette->setDesign(m_design.get());
    FPalette->setShowText(fGeneral.PaletteView);
    FPalette->fadeIn();
}

void TFMain::drawColorChanged(TColorRef color)
{
    PanelLeft->selectColor(color);
    PanelLeft->UpdateColorPanels();
    const TColorInfo* info = m_design->stitch.Colors.find(color);
    MenuChangecharacter->setEnabled(info && info->colorCount > 0);
    if (fMode == modHighlight)
        Image->setHighlight(true, color);
}

void TFMain::penSizeChanged(int size)
{
    if (size >= 1 && size <= 4)
        DropDownPenSize->setIcon(QIcon(QStringLiteral(":/icons/pensize-%1.svg").arg(size)));
}

void TFMain::symbolSetChanged()
{
    updateStatusPanels();
    Image->redrawAll();
}

void TFMain::historyChanged(bool canUndo, bool canRedo)
{
    Undo1->setEnabled(canUndo);
    Redo1->setEnabled(canRedo);
}

// A change with refresh repaints its cell at once; a bulk change only marks the view, which is
// rendered once when the event loop paints.
void TFMain::cellChanged(int x, int y, bool refresh)
{
    if (refresh)
        Image->cellChanged(x, y);
    else
        Image->redrawAll();
}

void TFMain::quarterChanged(int qx, int qy, bool refresh)
{
    if (refresh)
        Image->quarterChanged(qx, qy);
    else
        Image->redrawAll();
}

void TFMain::cellsChanged(const QRect& cells)
{
    Image->cellsChanged(cells);
}

void TFMain::backStitchesChanged()
{
    Image->stitchesChanged();
}

void TFMain::frenchKnotsChanged()
{
    Image->redrawAll();
}

void TFMain::rhodesChanged()
{
    Image->stitchesChanged();
}

void TFMain::backgroundChanged()
{
    Image->redrawAll();
}

void TFMain::designChanged()
{
    Image->setDesign(m_design.get());
}

void TFMain::colorBecameUsed(TColorRef color)
{
    if (!m_colorList)
        return;
    const int rows = int(m_colorList->rows().size());
    m_colorList->colorBecameUsed(color);
    if (rows != m_colorList->rows().size())
        PanelLeft->reload();
    updateStatusPanels();
}

void TFMain::colorBecameUnused(TColorRef color, bool resort)
{
    if (!m_colorList)
        return;
    m_colorList->colorBecameUnused(color, resort);
    PanelLeft->reload();
    updateStatusPanels();
}

void TFMain::colorListChanged()
{
    if (m_colorList) {
        m_colorList->rebuildColorRows();
        PanelLeft->reload();
    }
    updateStatusPanels();
}
