#pragma once
#include "model/Status.h"
#include <QList>
#include <QString>

class SymbolSetQuestions;

// The symbol set being edited: the file's state, the name, description and font, and the two
// lists of character codes with their selections. "All" holds the candidate codes, always in
// ascending order; "chars" is the set itself, in symbol order. A code is in one list at most.
//
// The editor window hands the values of its fields to the setters, shows the lists and their
// selections after each move, and passes its questions to Save and Check. Every file is written
// into the user's own folder, under the file name the user chose or the set was opened from.
class SymbolSetDocument
{
public:
    // The codes a new set offers; an opened set offers them up to kOpenedLastCode.
    static constexpr int kFirstCode = 33;
    static constexpr int kLastPlainCode = 126;
    static constexpr int kFirstHighCode = 161; // 160, the no-break space, shows nothing
    static constexpr int kNewLastCode = 600;
    static constexpr int kOpenedLastCode = 499;
    // The program's own symbol font, which a new set starts with.
    static constexpr const char* kDefaultFont = "VelwickArtSymbols110";

    explicit SymbolSetDocument(const QString& userFolder = QString());
    void setUserFolder(const QString& folder) { m_userFolder = folder; }

    // The file.
    QString FileName;
    bool FileSaved = false;
    bool FileNameAssigned = false;
    void Change() { FileSaved = false; }
    void NewFile();
    void OpenFile(const QString& fileName);
    // Writes the set when it has unsaved changes, asking for a file name first when it has
    // none; false when nothing was written because the user cancelled or the save failed.
    bool Save(SymbolSetQuestions& questions);
    // Save under a new file name.
    bool SaveAs(SymbolSetQuestions& questions);
    // Before the set is discarded: true when that may go ahead.
    bool Check(SymbolSetQuestions& questions);

    // A new, empty set offering every code of the new-set ranges.
    void NewSet();
    // Reads a set file aside and shows it; on failure the document is left as it was. Codes the
    // file lists twice are kept once and listed in `repeated`.
    Status open(const QString& fileName, QList<int>* repeated = nullptr);

    const QString& name() const { return m_name; }
    const QString& description() const { return m_description; }
    const QString& fontName() const { return m_fontName; }
    // Each marks the set changed when the value differs.
    void setName(const QString& name);
    void setDescription(const QString& description);
    void setFontName(const QString& font);

    const QList<int>& allCodes() const { return m_all; }
    const QList<int>& charCodes() const { return m_chars; }
    // Selected rows of either list, ascending.
    const QList<int>& allSelection() const { return m_allSelection; }
    const QList<int>& charsSelection() const { return m_charsSelection; }
    void setAllSelection(const QList<int>& rows);
    void setCharsSelection(const QList<int>& rows);

    // The moves; each marks the set changed when something moved.
    void add();
    void remove();
    void addAll();
    void removeAll();
    void moveUp();
    void moveDown();

    // The file a save writes for a chosen name: its file name in the user's folder.
    QString targetFile(const QString& chosen) const;

private:
    bool write(SymbolSetQuestions& questions, const QString& chosen);
    // The selection left in a list after rows were taken out of it.
    static QList<int> afterRemoval(int lowestRemoved, int rows);
    static QList<int> validRows(const QList<int>& rows, int count);

    QString m_userFolder;
    QString m_name;
    QString m_description;
    QString m_fontName;
    QList<int> m_all;
    QList<int> m_chars;
    QList<int> m_allSelection;
    QList<int> m_charsSelection;
};
