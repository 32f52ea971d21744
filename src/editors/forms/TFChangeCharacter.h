#pragma once
#include <QDialog>
#include <functional>
#include <vector>

class Design;
class QLabel;
class QPushButton;
class QTableView;
class SymbolGridModel;

// "Change Character": gives the drawing colour another symbol of the design's symbol set. The
// grid shows the set's symbols, greyed where a colour with stitches has them; OK takes the
// chosen one when it is free.
class TFChangeCharacter : public QDialog
{
    Q_OBJECT
public:
    using Translate = std::function<QString(const QString&)>;
    static constexpr int kCellSize = 23;

    explicit TFChangeCharacter(QWidget* parent = nullptr);
    void translate(const Translate& tr);

    // Shows the design's symbols and starts at the first cell; execute then runs the dialog.
    void FormShow(Design& design);
    int execute(Design& design);

    std::function<void(int)> showHelp;

    QLabel* Label1;
    QTableView* Grid;
    QPushButton *BOK, *BCancel, *BHelp;

private:
    void GridSelectCell(const QModelIndex& index);
    void BOKClick();

    SymbolGridModel* m_model;
    Design* m_design = nullptr;
    std::vector<bool> m_used;
};
