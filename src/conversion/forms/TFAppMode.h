#pragma once
#include <QDialog>

class QRadioButton;

// "Application mode": whether a design opened with "Open Template As ..." is shown in stitch
// cells or in knitting cells.
class TFAppMode : public QDialog
{
    Q_OBJECT
public:
    explicit TFAppMode(QWidget* parent = nullptr);

    QRadioButton* RStitches;
    QRadioButton* RKnitting;
};
