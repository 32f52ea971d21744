#pragma once
#include "editors/PaletteDocument.h"
#include "model/SaveQuestions.h"
#include <QDialog>
#include <functional>

class PaletteGridModel;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class QToolButton;
class TFChoosePalette;
class TPickingView;

// "Palette editor": browse, add, edit, delete, reorder and sort the colours of a thread palette,
// pick colours from a picture, and save the palette into the user's own palettes folder.
class TFPaletteEditor : public QDialog
{
    Q_OBJECT
public:
    using Translate = std::function<QString(const QString&)>;

    TFPaletteEditor(TFChoosePalette* choosePalette, QWidget* parent = nullptr);

    // The folders, the design's symbol string and font; called before execute.
    void setContext(const QString& userFolder, const QString& shippedFolder, const QString& symbols, const QFont& symbolFont);
    void translate(const Translate& tr);

    // Opens the palette of that file (a new palette without one) and shows the editor modally.
    int execute(const QString& palettefilename = QString(), const QString& palettename = QString(),
        const QString& paletteversion = QString());
    // What execute does before the modal loop.
    void prepare(const QString& palettefilename, const QString& palettename, const QString& paletteversion);
    // Shows a colour in the settings group.
    void fillColorValues(int index);
    const PaletteDocument& document() const { return m_document; }
    TColorRef swatchColor() const { return m_swatch; }

    // The questions and messages; window tests answer them from a script.
    std::function<Answer(const QString&)> askYesNoCancel;
    std::function<bool(const QString&)> askYesNo;
    std::function<void(const QString&)> inform;
    std::function<void(const QString&)> warn;
    std::function<bool(TFChoosePalette&)> runPaletteList;
    std::function<void(int)> showHelp;

    QLineEdit *EPaletteName, *EPaletteVersion, *EPaletteFileName;
    QComboBox* ComboSort;
    QTableView* Grid;
    QPushButton *Button9, *Button10;
    QGroupBox* GroupSettings;
    QLineEdit *ERGB, *EColor, *ENumber;
    QPushButton* PanelColor;
    QComboBox* ComboBoxSymbol;
    QLabel* LabelWarning;
    QToolButton *ButtonCircle, *ButtonRectangle;
    QSpinBox* ECursorSize;
    TPickingView* Image;
    QPushButton* Button1;
    QPushButton *ButtonNew, *ButtonEdit, *ButtonDelete, *ButtonOK, *ButtonCancel, *ButtonSave, *ButtonSaveAs, *BExit, *BHelp;

    QString messageNameAlreadyExists, messageNumberAlreadyExists, messageRGBAlreadyExists, messageNotValidInteger,
        messagePaletteSaved, messagePaletteNextTime, messagePaletteChangedSave, messageNewPalette, messagePaletteEmpty;

protected:
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createPaletteData();
    QWidget* createColors();
    QWidget* createSettings();
    QWidget* createPicture();
    QWidget* createButtons();
    void connectActions();
    QString t(const QString& key) const;

    void actNewExecute();
    void actEditExecute();
    void actDeleteExecute();
    void actOKExecute();
    void actCancelExecute();
    bool save(bool askName);
    void moveSelection(bool up);
    void sortChanged(int index);
    void loadImage();
    void picked(const QPoint& at);
    void setSwatch(TColorRef color);
    void swatchClicked();
    void rgbEdited(const QString& text);
    void symbolChosen(int index);
    void showList();
    void updateActions();
    bool refuse(PaletteRefusal refusal);

    PaletteDocument m_document;
    PaletteGridModel* m_model;
    TFChoosePalette* m_choosePalette;
    QLabel* m_emptyLabel;
    QString m_userFolder;
    QString m_shippedFolder;
    QString m_symbols;
    TColorRef m_swatch = 0x808080;
    Translate m_translate;
    QList<QPair<QObject*, QString>> m_captions;
};
