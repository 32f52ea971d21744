#include "editors/forms/TFChangeCharacter.h"
#include "editors/ChangeSymbol.h"
#include "editors/forms/SymbolGridDelegate.h"
#include "editors/forms/SymbolGridModel.h"
#include "model/Design.h"
#include "model/Translatable.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int kHelpContext = 3600;
constexpr int kGlyphPixels = 17;
} // namespace

TFChangeCharacter::TFChangeCharacter(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFChangeCharacter"));
    Label1 = new QLabel(this);
    Label1->setWordWrap(true);
    m_model = new SymbolGridModel(this);
    Grid = new QTableView(this);
    Grid->setModel(m_model);
    Grid->setItemDelegate(new SymbolGridDelegate(Grid));
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setShowGrid(true);
    Grid->horizontalHeader()->hide();
    Grid->verticalHeader()->hide();
    for (QHeaderView* header : {Grid->horizontalHeader(), Grid->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        // A section holds its cell and the grid line after it.
        header->setMinimumSectionSize(kCellSize + 1);
        header->setDefaultSectionSize(kCellSize + 1);
    }
    Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // 25 cells of 23 pixels plus the grid lines, and room for the scroll bar of a long string.
    const int side = SymbolGridModel::kColumns * (kCellSize + 1) + 2 * Grid->frameWidth();
    Grid->setFixedSize(side + Grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent), side);
    BOK = new QPushButton(this);
    BCancel = new QPushButton(this);
    BHelp = new QPushButton(this);
    BOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BOK);
    buttons->addWidget(BCancel);
    buttons->addWidget(BHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Grid, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(Grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &TFChangeCharacter::GridSelectCell);
    connect(BOK, &QPushButton::clicked, this, &TFChangeCharacter::BOKClick);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BHelp, &QPushButton::clicked, this, [this] {
        if (showHelp)
            showHelp(kHelpContext);
    });
    translate(Translate());
}

void TFChangeCharacter::translate(const Translate& tr)
{
    const auto t = [&tr](const QString& key) { return tr ? tr(key) : key; };
    setWindowTitle(t(TRANSLATABLE("Change symbol for the current color")));
    Label1->setText(t(TRANSLATABLE("Select new symbol for the current color. Grayed symbols are already in use")));
    BOK->setText(t(TRANSLATABLE("OK")));
    BCancel->setText(t(TRANSLATABLE("Cancel")));
    BHelp->setText(t(TRANSLATABLE("Help")));
}

void TFChangeCharacter::FormShow(Design& design)
{
    m_design = &design;
    const TStitch& doc = design.stitch;
    m_used = ChangeSymbol::usedIndexes(doc);
    QFont font(doc.chars ? doc.chars->ffontname : QString());
    font.setPixelSize(kGlyphPixels);
    Grid->setFont(font);
    m_model->setSymbols(doc.chars ? doc.chars->fcharacters : QString(), m_used);
    Grid->setCurrentIndex(m_model->index(0, 0));
    Grid->scrollToTop();
    Grid->setFocus();
    GridSelectCell(Grid->currentIndex());
}

int TFChangeCharacter::execute(Design& design)
{
    FormShow(design);
    return exec();
}

void TFChangeCharacter::GridSelectCell(const QModelIndex& index)
{
    BOK->setEnabled(ChangeSymbol::canChoose(m_used, m_model->symbolIndex(index)));
}

void TFChangeCharacter::BOKClick()
{
    if (m_design && ChangeSymbol::apply(*m_design, m_model->symbolIndex(Grid->currentIndex())))
        accept();
}
