#include "conversion/forms/TFDitheringProgress.h"
#include "model/Translatable.h"
#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TFDitheringProgress::TFDitheringProgress(QWidget* parent)
    : QDialog(parent), ProgressBar1(new QProgressBar(this)), BCancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("TFDitheringProgress"));
    setWindowTitle(TRANSLATABLE("Wait"));
    BCancel->setText(TRANSLATABLE("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProgressBar1);
    layout->addWidget(BCancel);
    connect(BCancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });
}

void TFDitheringProgress::begin(int steps)
{
    m_cancelled = false;
    ProgressBar1->setRange(0, std::max(1, steps));
    ProgressBar1->setValue(0);
    show();
}

bool TFDitheringProgress::advance()
{
    ProgressBar1->setValue(std::min(ProgressBar1->maximum(), ProgressBar1->value() + 1));
    QCoreApplication::processEvents();
    return !m_cancelled;
}

void TFDitheringProgress::end()
{
    hide();
}
