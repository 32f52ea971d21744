#pragma once
#include "conversion/ConversionProgress.h"
#include <QDialog>

class QProgressBar;
class QPushButton;

// The progress of a dithering pass, with Cancel. Pending window messages run between steps so
// the bar moves and Cancel can be pressed; the window that starts the pass keeps its own
// controls disabled meanwhile, so no second pass starts inside the first.
class TFDitheringProgress : public QDialog, public ConversionProgress
{
public:
    explicit TFDitheringProgress(QWidget* parent = nullptr);

    void begin(int steps) override;
    bool advance() override;
    void end();
    bool cancelled() const { return m_cancelled; }

    QProgressBar* ProgressBar1;
    QPushButton* BCancel;

private:
    bool m_cancelled = false;
};
