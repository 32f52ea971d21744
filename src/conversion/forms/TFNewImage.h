#pragma once
#include <QDialog>
#include <functional>

class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

// "New Image": the size, palette, symbol set and cell kind of a new empty design.
class TFNewImage : public QDialog
{
    Q_OBJECT
public:
    explicit TFNewImage(QWidget* parent = nullptr);

    // Fills the lists and selects the defaults (names not in a list select nothing).
    void prepare(const QStringList& palettes, const QString& defaultPalette, const QStringList& symbolSets,
        const QString& defaultSymbols, bool knitting);
    void translate(const std::function<QString(const QString&)>& tr);

    QSpinBox* Edit1;
    QSpinBox* Edit2;
    QComboBox* ComboPalette;
    QComboBox* ComboCharacters;
    QRadioButton* RStitches;
    QRadioButton* RKnitting;
    QPushButton* BHelp;
    // Opens the help at a topic; the dialog's own topic is 3300.
    std::function<void(int topic)> showHelp;

protected:
    void accept() override;

private:
    QList<QPair<QObject*, QString>> m_captions;
    std::function<QString(const QString&)> m_translate;
};
