#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QRadioButton;
class QSpinBox;

// "Insert row/column": whether the insert tool adds columns or rows, and how many.
class TFInsert : public QDialog
{
    Q_OBJECT
public:
    explicit TFInsert(QWidget* parent = nullptr);

    void translate(const std::function<QString(const QString&)>& tr);

    QRadioButton* RColumn;
    QRadioButton* RRow;
    QSpinBox* Edit1;

private:
    QLabel* m_amountLabel;
};
