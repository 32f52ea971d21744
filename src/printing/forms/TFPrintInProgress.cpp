#include "printing/forms/TFPrintInProgress.h"
#include "model/Translatable.h"
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TFPrintInProgress::TFPrintInProgress(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FPrintInProgress"));
    LabelPage = new QLabel(this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar2 = new QProgressBar(this);
    ProgressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    ButtonCancel = new QPushButton(this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelPage);
    layout->addWidget(ProgressBar1);
    layout->addWidget(ProgressBar2);
    layout->addWidget(ButtonCancel, 0, Qt::AlignRight);
    setMinimumWidth(320);
    connect(ButtonCancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });
    applyCaptions({});
}

void TFPrintInProgress::applyCaptions(const Translate& translate)
{
    m_translate = translate;
    const auto tr = [this](const QString& text) { return m_translate ? m_translate(text) : text; };
    setWindowTitle(tr(TRANSLATABLE("Print In Progress")));
    ButtonCancel->setText(tr(TRANSLATABLE("Cancel")));
}

void TFPrintInProgress::showPage(int page, int total)
{
    const QString word = m_translate ? m_translate(TRANSLATABLE("Page")) : TRANSLATABLE("Page");
    LabelPage->setText(word + QStringLiteral(" %1/%2").arg(page).arg(total));
}

void TFPrintInProgress::start(int pages)
{
    m_cancelled = false;
    ProgressBar1->setRange(0, std::max(pages, 1));
    ProgressBar1->setValue(0);
    ProgressBar2->setRange(0, 1);
    ProgressBar2->setValue(0);
    showPage(1, pages);
    show();
    QApplication::processEvents();
}

bool TFPrintInProgress::pageDone(int done, int total)
{
    ProgressBar1->setMaximum(std::max(total, 1));
    ProgressBar1->setValue(done);
    showPage(std::min(done + 1, total), total);
    QApplication::processEvents();
    return !m_cancelled;
}

bool TFPrintInProgress::backStitchDone(int done, int total)
{
    ProgressBar2->setMaximum(std::max(total, 1));
    ProgressBar2->setValue(done);
    QApplication::processEvents();
    return !m_cancelled;
}
