#include "view/forms/TColorPanel.h"
#include "model/Design.h"
#include "view/ColorList.h"
#include "view/forms/ColorListModel.h"
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

TColorPanel::TColorPanel(QWidget* parent)
    : QWidget(parent)
    , ButtonPalette(new QPushButton(this))
    , PanelForeground(new QLabel(this))
    , ComboSort(new QComboBox(this))
    , GridColors(new QTableView(this))
    , RadioAllColors(new QRadioButton(this))
    , RadioUsedColors(new QRadioButton(this))
    , m_model(new ColorListModel(this))
{
    setObjectName(QStringLiteral("PanelLeft"));
    ButtonPalette->setObjectName(QStringLiteral("ButtonPalette"));
    ButtonPalette->setCheckable(true);
    PanelForeground->setObjectName(QStringLiteral("PanelForeground"));
    PanelForeground->setMinimumHeight(40);
    PanelForeground->setAlignment(Qt::AlignCenter);
    PanelForeground->setAutoFillBackground(true);
    ComboSort->setObjectName(QStringLiteral("ComboSort"));
    ComboSort->addItems({QString(), QString(), QString(), QString()});
    GridColors->setObjectName(QStringLiteral("GridColors"));
    GridColors->setModel(m_model);
    GridColors->setItemDelegate(new ColorSymbolDelegate(m_model, GridColors));
    GridColors->verticalHeader()->hide();
    GridColors->verticalHeader()->setDefaultSectionSize(24);
    GridColors->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridColors->setSelectionMode(QAbstractItemView::SingleSelection);
    GridColors->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridColors->setShowGrid(false);
    GridColors->setContextMenuPolicy(Qt::CustomContextMenu);
    RadioAllColors->setObjectName(QStringLiteral("RadioAllColors"));
    RadioUsedColors->setObjectName(QStringLiteral("RadioUsedColors"));
    RadioAllColors->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(ButtonPalette);
    layout->addWidget(PanelForeground);
    layout->addWidget(ComboSort);
    layout->addWidget(GridColors, 1);
    layout->addWidget(RadioAllColors);
    layout->addWidget(RadioUsedColors);

    connect(GridColors, &QTableView::pressed, this, [this](const QModelIndex& index) { GridColorsMouseDown(index.row()); });
    connect(GridColors, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(property("changeCharacterCaption").toString(), this, &TColorPanel::changeCharacterRequested);
        menu.exec(GridColors->viewport()->mapToGlobal(at));
    });
    connect(ComboSort, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_list && index >= 0) {
            m_list->setSortOrder(ColorList::SortOrder(index));
            reload();
        }
    });
    const auto modeChanged = [this] {
        if (m_list) {
            m_list->setOnlyUsed(RadioUsedColors->isChecked());
            reload();
        }
    };
    connect(RadioAllColors, &QRadioButton::toggled, this, modeChanged);
}

void TColorPanel::setSource(ColorList* list, Design* design)
{
    m_list = list;
    m_design = design;
    m_list->setOnlyUsed(RadioUsedColors->isChecked());
    m_model->setSource(list, design);
    m_list->setRowsChangedHandler([this](const QList<int>& rows, bool reordered) {
        if (reordered)
            reload();
        else
            m_model->countsChanged(rows);
    });
}

void TColorPanel::setListEnabled(bool enabled)
{
    for (QWidget* w : {static_cast<QWidget*>(GridColors), static_cast<QWidget*>(RadioAllColors),
             static_cast<QWidget*>(RadioUsedColors)})
        w->setEnabled(enabled);
}

void TColorPanel::reload()
{
    m_model->reload();
    if (m_design)
        selectColor(m_design->stitch.drawcolor());
    UpdateColorPanels();
}

void TColorPanel::repaint()
{
    m_model->repaint();
    UpdateColorPanels();
}

void TColorPanel::selectColor(TColorRef color)
{
    const int row = m_list ? m_list->rowOf(color) : -1;
    if (row >= 0)
        GridColors->selectRow(row);
}

void TColorPanel::setColumnCaption(int section, const QString& text)
{
    m_model->setCaption(section, text);
}

void TColorPanel::resetColumns()
{
    const int widths[] = {31, 61, 56};
    for (int i = 0; i < 3; ++i)
        GridColors->horizontalHeader()->resizeSection(i, widths[i]);
    GridColors->horizontalHeader()->setStretchLastSection(true);
}

void TColorPanel::GridColorsMouseDown(int row)
{
    if (!m_list || row < 0 || row >= m_list->rows().size())
        return;
    Q_EMIT colorChosen(m_list->rows()[row].Color);
}

void TColorPanel::UpdateColorPanels()
{
    if (!m_design)
        return;
    const TStitch& doc = m_design->stitch;
    QPalette palette = PanelForeground->palette();
    const TColorRef draw = doc.drawcolor();
    if (draw == doc.BackGroundColor) {
        palette.setColor(QPalette::Window, QColor::fromRgb(doc.BackGroundColor));
        PanelForeground->setText(QString());
    } else {
        palette.setColor(QPalette::Window, QColor::fromRgb(rgbOf(draw)));
        palette.setColor(QPalette::WindowText, lightnessOf(draw) <= 128 ? Qt::white : Qt::black);
        const TColorInfo* info = doc.Colors.find(draw);
        const auto symbol = info && doc.chars ? doc.chars->symbolOf(info->charID) : std::nullopt;
        PanelForeground->setText(symbol ? QString(*symbol) : QString());
        if (doc.chars) {
            QFont font(doc.chars->ffontname);
            font.setPixelSize(24);
            font.setStyleStrategy(QFont::NoAntialias);
            PanelForeground->setFont(font);
        }
        if (info)
            PanelForeground->setToolTip(QStringLiteral("%1 %2").arg(info->colorID, info->colorName));
    }
    PanelForeground->setPalette(palette);
}
