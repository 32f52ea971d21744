#pragma once
#include "imaging/ColorValues.h"
#include <QWidget>

class ColorList;
class ColorListModel;
class Design;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;

// The colour panel left of the work view: the "Palette" button, the current colour, the sort
// order, the colour list and the choice between all and only used colours. It shows the rows
// of the core's ColorList and tells the main window which colour the user picked.
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

    void setSource(ColorList* list, Design* design);
    void setListEnabled(bool enabled);
    // Rows rebuilt or re-sorted; counts repainted.
    void reload();
    void repaint();
    void selectColor(TColorRef color);
    // The current-colour panel: the drawing colour with its symbol, or the background.
    void UpdateColorPanels();
    // Column widths 30, 60, 55 under header sections of 31, 61, 56 pixels.
    void resetColumns();
    // The caption of a list column (1 the name, 2 the count).
    void setColumnCaption(int section, const QString& text);

Q_SIGNALS:
    void colorChosen(TColorRef color);
    void changeCharacterRequested();

private:
    void GridColorsMouseDown(int row);

    ColorListModel* m_model;
    ColorList* m_list = nullptr;
    Design* m_design = nullptr;
};
