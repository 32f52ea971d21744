#pragma once
#include "editors/LibraryEntry.h"
#include "shell/forms/CaptionTable.h"
#include <QDialog>
#include <QRect>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;

// "Add to library": what will be stored, the entries already in the library (with the preview
// of the one selected), and the file name, title and description of the new entry. "Save"
// writes it and closes the window.
class TFLibraryAdd : public QDialog
{
    Q_OBJECT
public:
    explicit TFLibraryAdd(QWidget* parent = nullptr);
    void translate(const CaptionTable::Translate& tr);

    // The cells of `design` to store in `folder`; the fields start empty ("*.qmk").
    void prepare(Design& design, const QRect& cells, const QString& folder);

    QListWidget* List;
    QLabel* Image;
    QLabel* ImageSelection;
    QLineEdit* EFileName;
    QLineEdit* ETitle;
    QTextEdit* MemoDescription;
    QPushButton* BSave;
    QPushButton* BClose;
    QPushButton* BHelp;

    // Asked before an existing entry is replaced; true replaces it.
    std::function<bool(const QString& question)> confirm;
    // Told when the entry could not be written.
    std::function<void(const QString& message)> warn;
    std::function<void(int)> showHelp;

private:
    void ListChange();
    void EFileNameChange();
    void BSaveClick();

    CaptionTable m_captions;
    CaptionTable::Translate m_translate;
    Design* m_design = nullptr;
    QRect m_cells;
    QString m_folder;
    LibraryEntry m_entry;
};
