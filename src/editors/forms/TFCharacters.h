#pragma once
#include "editors/SymbolSetDocument.h"
#include "editors/SymbolSetQuestions.h"
#include <QDialog>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QToolBar;
class SymbolCodeDelegate;
class SymbolCodeModel;

// "Characters": the symbol set editor. The user names a set, picks a font, moves character codes
// between "All Characters" and "Selected Characters", orders the selected ones and saves the set
// into the user's own symbol set folder, from where the catalogue reads it for the next new or
// opened design. The window shows the document's lists and passes its questions to it.
class TFCharacters : public QDialog, public SymbolSetQuestions
{
    Q_OBJECT
public:
    using Translate = std::function<QString(const QString&)>;

    explicit TFCharacters(QWidget* parent = nullptr);

    // The folder sets are saved into and the shipped folder the open dialog also offers.
    void setFolders(const QString& userFolder, const QString& shippedFolder);
    void translate(const Translate& tr);

    // What showing the editor does: fills the fonts and starts a new set.
    void FormShow();
    int execute();
    bool FormCloseQuery();
    void NewSet();
    void Button7Click();
    const SymbolSetDocument& document() const { return m_document; }

    // The questions and dialogs; window tests answer them from a script. The file dialogs get
    // the starting folder; an empty answer means cancelled.
    std::function<Answer(const QString&)> askYesNoCancel;
    std::function<bool(const QString&)> askYesNo;
    std::function<void(const QString&)> inform;
    std::function<void(const QString&)> showWarning;
    std::function<QString(const QString& folder)> chooseOpenFile;
    std::function<QString(const QString& folder, const QString& preset)> chooseSaveFile;
    std::function<void(int)> showHelp;

    QToolBar* ToolBar;
    QAction *ToolNew, *ToolOpen, *ToolSave, *ToolSaveAs;
    QGroupBox* GroupOptions;
    QLineEdit *EName, *EDescrioption;
    QComboBox* ComboFont;
    QGroupBox* GroupCharacters;
    QListView *ListViewAll, *ListViewChars;
    QPushButton *ButtonAdd, *ButtonRemove, *ButtonAddAll, *ButtonRemoveAll, *ButtonUp, *ButtonDown;
    QCheckBox* CheckShowIDs;
    QPushButton *BClose, *BHelp;

    // SymbolSetQuestions
    Answer ask(const QString& question) override { return askYesNoCancel(question); }
    bool confirm(const QString& question) override { return askYesNo(question); }
    QString chooseSaveFileName(const QString& preset) override;
    void nameMissing(const QString& message) override;
    void warn(const QString& message) override { showWarning(message); }
    QString translate(const QString& key) override { return m_translate ? m_translate(key) : key; }

protected:
    // Closing the window and Escape both end here, so the unsaved-changes question is asked once.
    void reject() override;

private:
    QWidget* createOptions();
    QWidget* createCharacters();
    QWidget* createButtons();
    QListView* createList(SymbolCodeModel* model);
    void connectControls();
    void installDialogs();
    // Shows the document: its values in the fields, both lists and their selections.
    void showDocument();
    void selectFontOf(const QString& family);
    void fontChosen(const QString& family);
    void showIdsToggled(bool show);
    // A move: the views' selections go to the document, the move runs, the lists are shown again.
    void move(void (SymbolSetDocument::*step)());
    void showLists();
    void showSelection(QListView* view, const QList<int>& rows);

    SymbolSetDocument m_document;
    SymbolCodeModel* m_allModel;
    SymbolCodeModel* m_charsModel;
    SymbolCodeDelegate* m_delegate;
    QString m_userFolder;
    QString m_shippedFolder;
    Translate m_translate;
    // A control's caption: the translated key between fixed marks (" :", " >", "<< " ...).
    struct Caption
    {
        QObject* object;
        QString key;
        QString before;
        QString after;
    };
    QList<Caption> m_captions;
};
