#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

// "Print In Progress": a small window above the others with the page bar, the back-stitch bar
// of real mode and "Cancel". Its steps let pending window messages run, so Cancel is heard.
class TFPrintInProgress : public QDialog
{
    Q_OBJECT
public:
    explicit TFPrintInProgress(QWidget* parent = nullptr);

    using Translate = std::function<QString(const QString&)>;
    void applyCaptions(const Translate& translate);

    // Shows the window at page 1 of `pages`.
    void start(int pages);
    // A page finished; false once Cancel was pressed.
    bool pageDone(int done, int total);
    // A back stitch drawn in real mode; false once Cancel was pressed.
    bool backStitchDone(int done, int total);
    bool cancelled() const { return m_cancelled; }

    QProgressBar* ProgressBar1;
    QProgressBar* ProgressBar2;
    QLabel* LabelPage;
    QPushButton* ButtonCancel;

private:
    void showPage(int page, int total);

    Translate m_translate;
    bool m_cancelled = false;
};
