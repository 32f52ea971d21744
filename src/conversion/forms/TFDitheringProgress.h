#pragma once
#include <QDialog>

class JobProgress;
class QProgressBar;
class QPushButton;

// "Wait": the progress of the conversion worker's running job, with Cancel. The window that
// runs the jobs shows it when one takes long, moves its bar from the job's progress and stops
// the job when Cancel is pressed; the worker's thread never touches it.
class TFDitheringProgress : public QDialog
{
public:
    explicit TFDitheringProgress(QWidget* parent = nullptr);

    // The bar at the job's position; a job that cannot tell how far it is shows a busy bar.
    void showProgress(const JobProgress& progress);

    QProgressBar* ProgressBar1;
    QPushButton* BCancel;
};
