#include "editing/forms/TFInsert.h"
#include "model/Translatable.h"
#include "shell/forms/CaptionTable.h"
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int kMaxAmount = 32767;
}

TFInsert::TFInsert(QWidget* parent)
    : QDialog(parent)
    , RColumn(new QRadioButton(this))
    , RRow(new QRadioButton(this))
    , Edit1(new QSpinBox(this))
    , m_amountLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("TFInsert"));
    RColumn->setObjectName(QStringLiteral("RColumn"));
    RRow->setObjectName(QStringLiteral("RRow"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    RRow->setChecked(true);
    Edit1->setRange(1, kMaxAmount);
    Edit1->setValue(1);
    m_amountLabel->setBuddy(Edit1);
    auto* form = new QFormLayout;
    form->addRow(RRow);
    form->addRow(RColumn);
    form->addRow(m_amountLabel, Edit1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("BCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    translate({});
}

void TFInsert::translate(const std::function<QString(const QString&)>& tr)
{
    CaptionTable captions;
    captions.add(TRANSLATABLE("Insert row/column"), [this](const QString& t) { setWindowTitle(t); });
    captions.add(TRANSLATABLE("Row(s)"), [this](const QString& t) { RRow->setText(t); });
    captions.add(TRANSLATABLE("Column(s)"), [this](const QString& t) { RColumn->setText(t); });
    captions.add(TRANSLATABLE("Amount"), [this](const QString& t) { m_amountLabel->setText(t); }, QStringLiteral(" :"));
    auto* buttons = findChild<QDialogButtonBox*>();
    captions.add(TRANSLATABLE("OK"), [buttons](const QString& t) { buttons->button(QDialogButtonBox::Ok)->setText(t); });
    captions.add(TRANSLATABLE("Cancel"), [buttons](const QString& t) { buttons->button(QDialogButtonBox::Cancel)->setText(t); });
    captions.apply(tr ? tr : [](const QString& t) { return t; });
}
