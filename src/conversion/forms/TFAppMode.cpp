#include "conversion/forms/TFAppMode.h"
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

TFAppMode::TFAppMode(QWidget* parent)
    : QDialog(parent)
    , RStitches(new QRadioButton(QStringLiteral("Stitches")))
    , RKnitting(new QRadioButton(QStringLiteral("Knitting")))
{
    setObjectName(QStringLiteral("TFAppMode"));
    setWindowTitle(QStringLiteral("Application mode"));
    RStitches->setChecked(true);
    auto* group = new QGroupBox(QStringLiteral(" Select mode "), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(RStitches);
    groupLayout->addWidget(RKnitting);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}
