#include "editors/forms/TFCMYK.h"
#include "editors/CMYKRows.h"
#include "editors/forms/CMYKCellDelegate.h"
#include "model/TStitch.h"
#include "model/Translatable.h"
#include "shell/CMYKTable.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <iterator>

namespace {
constexpr int kRowHeight = 24;
constexpr int kColumnWidths[] = {50, 60, 80, 80, 100};
} // namespace

TFCMYK::TFCMYK(QWidget* parent)
    : QDialog(parent)
    , GridColors(new QTableWidget(0, int(std::size(kColumnWidths)), this))
    , BOK(new QPushButton(this))
    , BHelp(new QPushButton(this))
    , m_delegate(new CMYKCellDelegate(this))
{
    setObjectName(QStringLiteral("TFCMYK"));
    GridColors->setObjectName(QStringLiteral("GridColors"));
    GridColors->setItemDelegate(m_delegate);
    GridColors->verticalHeader()->hide();
    GridColors->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GridColors->verticalHeader()->setDefaultSectionSize(kRowHeight);
    for (int c = 0; c < int(std::size(kColumnWidths)); ++c)
        GridColors->setColumnWidth(c, kColumnWidths[c]);
    GridColors->setMinimumWidth(400);
    BOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BOK);
    buttons->addWidget(BHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GridColors);
    layout->addLayout(buttons);
    resize(460, 420);
    connect(BOK, &QPushButton::clicked, this, &TFCMYK::BOKClick);
    connect(BHelp, &QPushButton::clicked, this, &TFCMYK::BHelpClick);
    connect(GridColors, &QTableWidget::itemChanged, this, &TFCMYK::itemEdited);
    m_showError = [this](const QString& message) {
        QMessageBox::critical(this, windowTitle(), message);
    };
    translate();
}

void TFCMYK::translate()
{
    const auto tr = [this](const QString& key) { return m_translate ? m_translate(key) : key; };
    setWindowTitle(tr(TRANSLATABLE("Adjust CMYK color dialog")));
    GridColors->setHorizontalHeaderLabels({tr(TRANSLATABLE("Color")), tr(TRANSLATABLE("Name")),
        tr(TRANSLATABLE("RGB value")), tr(TRANSLATABLE("CMYK value")), tr(TRANSLATABLE("New CMYK value"))});
    BOK->setText(tr(TRANSLATABLE("Close")));
    BHelp->setText(tr(TRANSLATABLE("Help")));
}

void TFCMYK::FormShow(TStitch& doc, const Translate& translate)
{
    m_doc = &doc;
    m_translate = translate;
    this->translate();
    m_delegate->setSymbolFont(doc.chars ? doc.chars->ffontname : QString());
    m_rows = CMYKRows::build(doc);
    const QSignalBlocker blocker(GridColors);
    GridColors->setRowCount(int(m_rows.size()));
    for (int row = 0; row < m_rows.size(); ++row)
        fillRow(row);
}

void TFCMYK::fillRow(int row)
{
    const TCMYKColor& r = m_rows[row];
    auto* swatch = new QTableWidgetItem;
    swatch->setData(CMYKCellDelegate::kColorRole, uint(r.Color));
    swatch->setData(CMYKCellDelegate::kSymbolRole, r.Symbol.isNull() ? QString() : QString(r.Symbol));
    const QString texts[] = {r.Name, r.RGBColor, r.CMYKColor, r.NewCMYKColor};
    GridColors->setItem(row, CMYKCellDelegate::kColorColumn, swatch);
    for (int c = 1; c <= CMYKCellDelegate::kEditColumn; ++c)
        GridColors->setItem(row, c, new QTableWidgetItem(texts[c - 1]));
    for (int c = 0; c < CMYKCellDelegate::kEditColumn; ++c)
        GridColors->item(row, c)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
}

// Enter in a cell editor commits the cell; the dialog would also take it for its default button
// and close, writing the file before the typed value reached the corrections.
void TFCMYK::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && GridColors->viewport()->isAncestorOf(focusWidget())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFCMYK::itemEdited(QTableWidgetItem* item)
{
    if (item->column() == CMYKCellDelegate::kEditColumn)
        GridColorsSetEditText(item->row(), item->text());
}

void TFCMYK::GridColorsSetEditText(int row, const QString& text)
{
    if (!m_doc || row < 0 || row >= m_rows.size())
        return;
    CMYKRows::commit(m_rows[row], text, m_doc->CMYK);
    const QSignalBlocker blocker(GridColors);
    GridColors->item(row, CMYKCellDelegate::kEditColumn)->setText(m_rows[row].NewCMYKColor);
    GridColors->viewport()->update();
}

void TFCMYK::BOKClick()
{
    if (!m_doc)
        return;
    const Status saved = CMYKTable::save(*m_doc);
    if (!saved) {
        m_showError(saved.text(m_translate));
        return;
    }
    accept();
}

void TFCMYK::BHelpClick()
{
    Q_EMIT helpRequested(kHelpTopic);
}
