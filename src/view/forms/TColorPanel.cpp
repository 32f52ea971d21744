#include "view/forms/TColorPanel.h"
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
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
{
    setObjectName(QStringLiteral("PanelLeft"));
    ButtonPalette->setObjectName(QStringLiteral("ButtonPalette"));
    ButtonPalette->setCheckable(true);
    PanelForeground->setObjectName(QStringLiteral("PanelForeground"));
    PanelForeground->setMinimumHeight(40);
    PanelForeground->setAlignment(Qt::AlignCenter);
    PanelForeground->setAutoFillBackground(true);
    ComboSort->setObjectName(QStringLiteral("ComboSort"));
    GridColors->setObjectName(QStringLiteral("GridColors"));
    GridColors->verticalHeader()->hide();
    GridColors->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridColors->setSelectionMode(QAbstractItemView::SingleSelection);
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
}

void TColorPanel::setListEnabled(bool enabled)
{
    for (QWidget* w : {static_cast<QWidget*>(GridColors), static_cast<QWidget*>(RadioAllColors),
             static_cast<QWidget*>(RadioUsedColors)})
        w->setEnabled(enabled);
}
