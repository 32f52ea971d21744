#pragma once
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;

// The colour panel left of the work view: the "Palette" button, the current colour, the sort
// order, the colour list and the choice between all and only used colours.
class TColorPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TColorPanel(QWidget* parent = nullptr);

    QPushButton* ButtonPalette;
    QLabel* PanelForeground;
    QComboBox* ComboSort;
    QTableView* GridColors;
    QRadioButton* RadioAllColors;
    QRadioButton* RadioUsedColors;

    void setListEnabled(bool enabled);
};
