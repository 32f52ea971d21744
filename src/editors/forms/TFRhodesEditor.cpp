#include "editors/forms/TFRhodesEditor.h"
#include "editors/RhodeShapeEditor.h"
#include "editors/forms/RhodeSurfaceView.h"
#include "model/RhodeShapes.h"
#include "model/Translatable.h"
#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QString groupTitle(const QString& text)
{
    return QLatin1Char(' ') + text + QLatin1Char(' ');
}
} // namespace

TFRhodesEditor::TFRhodesEditor(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFRhodesEditor"));
    auto* right = new QVBoxLayout;
    right->addWidget(createToolBar());
    right->addWidget(createRhode(), 1);
    auto* columns = new QHBoxLayout;
    columns->addWidget(createList());
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(createButtons());
    connectActions();
    askYesNo = [this](const QString& message) {
        return QMessageBox::warning(this, t(TRANSLATABLE("Warning")), message, QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes;
    };
    warn = [this](const QString& message) { QMessageBox::warning(this, windowTitle(), message); };
    translate({});
    resize(860, 600);
}

TFRhodesEditor::~TFRhodesEditor() = default;

QWidget* TFRhodesEditor::createList()
{
    GroupList = new QGroupBox(this);
    ListView1 = new QTreeWidget(GroupList);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setColumnCount(1);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* layout = new QVBoxLayout(GroupList);
    layout->addWidget(ListView1);
    GroupList->setMinimumWidth(220);
    m_captions << QPair<QObject*, QString>(GroupList, TRANSLATABLE("Rhodes list"));
    return GroupList;
}

QWidget* TFRhodesEditor::createRhode()
{
    GroupRhode = new QGroupBox(this);
    Edit1 = new QSpinBox(GroupRhode);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QSpinBox(GroupRhode);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    for (QSpinBox* spin : {Edit1, Edit2})
        spin->setRange(1, RhodeShapes::kMaxSide);
    ERhodeName = new QLineEdit(GroupRhode);
    ERhodeName->setObjectName(QStringLiteral("ERhodeName"));
    Image = new RhodeSurfaceView;
    ScrollBox = new QScrollArea(GroupRhode);
    ScrollBox->setWidget(Image);
    ScrollBox->setBackgroundRole(QPalette::Dark);
    auto* grid = new QGridLayout;
    const QList<QPair<QWidget*, QString>> rows = {{Edit1, TRANSLATABLE("Columns")}, {Edit2, TRANSLATABLE("Rows")},
        {ERhodeName, TRANSLATABLE("Rhode name")}};
    for (int i = 0; i < rows.size(); ++i) {
        auto* label = new QLabel(GroupRhode);
        grid->addWidget(label, i, 0);
        grid->addWidget(rows[i].first, i, 1);
        m_captions << QPair<QObject*, QString>(label, rows[i].second);
    }
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(GroupRhode);
    layout->addLayout(grid);
    layout->addWidget(ScrollBox, 1);
    m_captions << QPair<QObject*, QString>(GroupRhode, TRANSLATABLE("Rhode"));
    return GroupRhode;
}

QToolBar* TFRhodesEditor::createToolBar()
{
    ToolBar = new QToolBar(this);
    ToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const QList<QPair<QAction**, QString>> actions = {{&ToolDraw, TRANSLATABLE("Draw")}, {&ToolErase, TRANSLATABLE("Erase")},
        {&ToolZoomOut, TRANSLATABLE("Zoom out")}, {&Tool100, QString()}, {&ToolZoomIn, TRANSLATABLE("Zoom in")}};
    for (const auto& [action, key] : actions) {
        *action = ToolBar->addAction(QString());
        if (!key.isEmpty())
            m_captions << QPair<QObject*, QString>(*action, key);
        if (*action == ToolErase)
            ToolBar->addSeparator();
    }
    Tool100->setText(QStringLiteral("100%"));
    for (QAction* tool : {ToolDraw, ToolErase})
        tool->setCheckable(true);
    return ToolBar;
}

QWidget* TFRhodesEditor::createButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const QList<QPair<QPushButton**, QString>> buttons = {{&ButtonNew, TRANSLATABLE("New")},
        {&ButtonEdit, TRANSLATABLE("Edit")}, {&ButtonDelete, TRANSLATABLE("Delete")}, {&ButtonOK, TRANSLATABLE("OK")},
        {&ButtonCancel, TRANSLATABLE("Cancel")}, {&ButtonClose, TRANSLATABLE("Close")}};
    for (const auto& [button, key] : buttons) {
        *button = new QPushButton(row);
        (*button)->setAutoDefault(false);
        layout->addWidget(*button);
        if (*button == ButtonDelete)
            layout->addSpacing(16);
        m_captions << QPair<QObject*, QString>(*button, key);
    }
    layout->insertStretch(layout->indexOf(ButtonClose), 1);
    return row;
}

void TFRhodesEditor::connectActions()
{
    connect(ButtonNew, &QPushButton::clicked, this, &TFRhodesEditor::actNewExecute);
    connect(ButtonEdit, &QPushButton::clicked, this, &TFRhodesEditor::actEditExecute);
    connect(ButtonDelete, &QPushButton::clicked, this, &TFRhodesEditor::actDeleteExecute);
    connect(ButtonOK, &QPushButton::clicked, this, &TFRhodesEditor::actOKExecute);
    connect(ButtonCancel, &QPushButton::clicked, this, &TFRhodesEditor::actCancelExecute);
    connect(ButtonClose, &QPushButton::clicked, this, &TFRhodesEditor::reject);
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TFRhodesEditor::ListView1SelectionChange);
    connect(Edit1, &QSpinBox::valueChanged, this, &TFRhodesEditor::sizeChanged);
    connect(Edit2, &QSpinBox::valueChanged, this, &TFRhodesEditor::sizeChanged);
    connect(ToolDraw, &QAction::triggered, this, [this] {
        m_editor->setTool(RhodeShapeEditor::Tool::draw);
        redraw();
    });
    connect(ToolErase, &QAction::triggered, this, [this] {
        m_editor->setTool(RhodeShapeEditor::Tool::erase);
        redraw();
    });
    connect(ToolZoomOut, &QAction::triggered, this, [this] { zoomTo(m_editor->zoom() - 1); });
    connect(ToolZoomIn, &QAction::triggered, this, [this] { zoomTo(m_editor->zoom() + 1); });
    connect(Tool100, &QAction::triggered, this, [this] { zoomTo(RhodeShapeEditor::kStartZoom); });
    connect(Image, &RhodeSurfaceView::pressed, this, &TFRhodesEditor::ImageMouseDown);
    connect(Image, &RhodeSurfaceView::moved, this, &TFRhodesEditor::ImageMouseMove);
}

QString TFRhodesEditor::t(const QString& key) const
{
    return m_translate ? m_translate(key) : key;
}

void TFRhodesEditor::translate(const Translate& tr)
{
    m_translate = tr;
    for (const auto& [object, key] : m_captions) {
        if (auto* group = qobject_cast<QGroupBox*>(object))
            group->setTitle(groupTitle(t(key)));
        else if (auto* label = qobject_cast<QLabel*>(object))
            label->setText(t(key) + QStringLiteral(" :"));
        else if (auto* button = qobject_cast<QPushButton*>(object))
            button->setText(t(key));
        else if (auto* action = qobject_cast<QAction*>(object))
            action->setText(t(key));
    }
    setWindowTitle(t(TRANSLATABLE("Rhodes Editor")));
    ListView1->setHeaderLabels({t(TRANSLATABLE("Rhode name"))});
}

bool TFRhodesEditor::execute(RhodeShapes& shapes)
{
    prepare(shapes);
    exec();
    return m_editor->changed();
}

void TFRhodesEditor::prepare(RhodeShapes& shapes)
{
    m_editor = std::make_unique<RhodeShapeEditor>(shapes);
    rebuildList();
    showShape();
}

// The list after the library changed as a whole: one item per shape in library order, the
// editor's selected shape selected and shown.
void TFRhodesEditor::rebuildList()
{
    const QSignalBlocker block(ListView1);
    ListView1->clear();
    for (const TRhodeRef& shape : m_editor->shapes().shapes())
        ListView1->addTopLevelItem(new QTreeWidgetItem(QStringList{shape->name}));
    if (QTreeWidgetItem* item = ListView1->topLevelItem(m_editor->selected())) {
        item->setSelected(true);
        ListView1->setCurrentItem(item);
        ListView1->scrollToItem(item);
    }
}

void TFRhodesEditor::ListView1SelectionChange()
{
    const QList<QTreeWidgetItem*> chosen = ListView1->selectedItems();
    m_editor->select(chosen.isEmpty() ? -1 : ListView1->indexOfTopLevelItem(chosen.first()));
    showShape();
}

// The fields and the surface after the shape shown or the mode changed.
void TFRhodesEditor::showShape()
{
    const TRhode* shape = m_editor->current();
    ERhodeName->setText(shape ? shape->name : QString());
    redraw();
    updateActions();
}

// The surface, the spin fields and their bounds as the editor has them now.
void TFRhodesEditor::redraw()
{
    const RhodeShapeEditor& e = *m_editor;
    for (auto [spin, value, minimum] : {std::tuple{Edit1, e.cellsX(), e.minCellsX()}, std::tuple{Edit2, e.cellsY(), e.minCellsY()}}) {
        const QSignalBlocker block(spin);
        spin->setMinimum(minimum);
        spin->setValue(value);
    }
    Image->setSurface(e.surface());
    Image->setPending(std::nullopt);
    ToolDraw->setChecked(e.canConfirm() && e.tool() == RhodeShapeEditor::Tool::draw);
    ToolErase->setChecked(e.canConfirm() && e.tool() == RhodeShapeEditor::Tool::erase);
    ToolZoomOut->setEnabled(e.zoom() > RhodeShapeEditor::kMinZoom);
    ToolZoomIn->setEnabled(e.zoom() < e.maxZoom());
}

void TFRhodesEditor::updateActions()
{
    const RhodeShapeEditor& e = *m_editor;
    const bool editing = e.canConfirm();
    ButtonNew->setEnabled(e.canNew());
    ButtonEdit->setEnabled(e.canEdit());
    ButtonDelete->setEnabled(e.canDelete());
    for (QPushButton* b : {ButtonOK, ButtonCancel})
        b->setEnabled(editing);
    for (QAction* a : {ToolDraw, ToolErase})
        a->setEnabled(editing);
    GroupList->setEnabled(!editing);
    GroupRhode->setEnabled(editing);
    ButtonNew->setDefault(!editing);
    ButtonOK->setDefault(editing);
}

void TFRhodesEditor::actNewExecute()
{
    m_editor->beginNew();
    showShape();
    ERhodeName->setFocus();
}

void TFRhodesEditor::actEditExecute()
{
    m_editor->beginEdit();
    showShape();
    ERhodeName->setFocus();
}

void TFRhodesEditor::actDeleteExecute()
{
    const TRhode* shape = m_editor->current();
    if (!shape || !m_editor->canDelete())
        return;
    if (!askYesNo(t(TRANSLATABLE("Delete the rhode shape \"%1\"?")).arg(shape->name)))
        return;
    m_editor->deleteSelected();
    rebuildList();
    showShape();
}

void TFRhodesEditor::actOKExecute()
{
    switch (m_editor->confirm(ERhodeName->text())) {
    case RhodeShapeEditor::Refusal::noName:
        warn(t(TRANSLATABLE("Enter a name for the rhode shape.")));
        ERhodeName->setFocus();
        return;
    case RhodeShapeEditor::Refusal::sameName:
        warn(t(TRANSLATABLE("A rhode shape with this name already exists.")));
        ERhodeName->setFocus();
        return;
    case RhodeShapeEditor::Refusal::noStitches:
        warn(t(TRANSLATABLE("Draw at least one stitch.")));
        return;
    case RhodeShapeEditor::Refusal::none:
        break;
    }
    rebuildList();
    showShape();
    ListView1->setFocus();
}

void TFRhodesEditor::actCancelExecute()
{
    m_editor->cancel();
    showShape();
}

void TFRhodesEditor::sizeChanged()
{
    m_editor->setCellsX(Edit1->value());
    m_editor->setCellsY(Edit2->value());
    redraw();
}

void TFRhodesEditor::zoomTo(int zoom)
{
    m_editor->setZoom(zoom);
    redraw();
}

void TFRhodesEditor::ImageMouseDown(const QPointF& pixel)
{
    if (m_editor->click(pixel))
        redraw();
    else
        ImageMouseMove(pixel);
}

void TFRhodesEditor::ImageMouseMove(const QPointF& pixel)
{
    Image->setPending(m_editor->pendingLine(pixel));
}

// Closing while a shape is being added or edited drops it, as Cancel does.
void TFRhodesEditor::reject()
{
    if (m_editor && m_editor->canConfirm())
        m_editor->cancel();
    QDialog::reject();
}
