#include "conversion/forms/TFDitheringProgress.h"
#include "conversion/JobProgress.h"
#include "model/Translatable.h"
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
    // Closing the window is not cancelling: the job goes on and the window comes back.
    setWindowFlag(Qt::WindowCloseButtonHint, false);
}

void TFDitheringProgress::showProgress(const JobProgress& progress)
{
    ProgressBar1->setRange(0, progress.maximum());
    ProgressBar1->setValue(progress.value());
}
