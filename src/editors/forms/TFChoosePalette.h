#pragma once
#include "editors/PaletteList.h"
#include <QDialog>
#include <functional>

class QLineEdit;
class QTreeWidget;
class QWidget;

enum TViewMode { vmView, vmAllowChange };

// "Palette list": picks the palette to edit (vmView) or names a palette being saved
// (vmAllowChange). It lists the effective palette files, the user's over the shipped ones;
// whatever is chosen is written to the user's folder by the editor.
class TFChoosePalette : public QDialog
{
    Q_OBJECT
public:
    using Translate = std::function<QString(const QString&)>;

    explicit TFChoosePalette(QWidget* parent = nullptr);
    void setFolders(const QString& userFolder, const QString& shippedFolder);
    void translate(const Translate& tr);

    // Fills the list and shows the dialog modally; returns the modal result.
    int execute(TViewMode mode);
    // The list and the fields as execute shows them, without the modal loop.
    void prepare(TViewMode mode);
    void readPalettes();
    // The file of the chosen palette, where it is read from.
    QString selectedPath() const;

    QString palettename;
    QString paletteFilename;
    QString paletteVersion;
    bool isPaletteSaved = false;
    TViewMode mode = vmView;
    // The key of the open design's palette, selected when the list opens.
    QString designPalette;

    QString MessageFileAlreadyExists;
    QString MessagePaletteWithSameVersion;
    QString MessageFileNameNotValid;
    // The questions and warnings; window tests answer them from a script.
    std::function<bool(const QString&)> confirm;
    std::function<void(const QString&)> warn;

    QTreeWidget* ListView;
    QWidget* PanelBottom;
    QLineEdit* EPaletteFilename;
    QLineEdit* EPaletteName;
    QLineEdit* EPaletteVersion;
    QPushButton* ButtonOK;

protected:
    void accept() override;

private:
    void updateOk();
    PaletteList::Proposal fields() const;

    QString m_userFolder;
    QString m_shippedFolder;
    QList<PaletteFileEntry> m_files;
    QList<QPair<QObject*, QString>> m_captions;
    Translate m_translate;
};
