#pragma once
#include "editors/LibraryEntry.h"
#include "shell/forms/CaptionTable.h"
#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

// "Library": the entries of the library folder with a preview, their size, name, palette and
// description, and the warning when an entry is in another palette than the open design.
// "Load" closes it accepted; the caller then takes entry() into the clipboard buffer.
class TFLibrary : public QDialog
{
    Q_OBJECT
public:
    explicit TFLibrary(QWidget* parent = nullptr);
    void translate(const CaptionTable::Translate& tr);

    // Lists `folder`. Entries are read with the catalogues of `open`; with `designOpen` an entry
    // can be loaded and is compared with `open`'s palette.
    void prepare(const QString& folder, const TStitch& open, bool designOpen);
    const LibraryEntry& entry() const { return m_entry; }

    QListWidget* List;
    QLabel* Image;
    QLabel* LWidth;
    QLabel* LHeight;
    QLabel* LName;
    QLabel* LPalette;
    QLabel* LDescription;
    QLabel* LConvert;
    QPushButton* BLoad;
    QPushButton* BClose;
    QPushButton* BHelp;

    std::function<void(int)> showHelp;

private:
    void ListChange();
    void showLabels();

    CaptionTable m_captions;
    CaptionTable::Translate m_translate;
    QString m_folder;
    const TStitch* m_open = nullptr;
    bool m_designOpen = false;
    LibraryEntry m_entry;
};
