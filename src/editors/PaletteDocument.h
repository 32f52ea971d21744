#pragma once
#include "model/Status.h"
#include "model/UTypes.h"
#include <QList>
#include <QStringList>

enum class PaletteEditState { Browse, NewColor, EditColor };
enum class PaletteSort { ByPalette, ByName, ByNumber };
// Why OK refused the values of a colour; the checks run in this order.
enum class PaletteRefusal { None, Name, Number, Rgb };

// The palette being edited: its colours, the row being shown, the editing state and whether the
// list differs from its file. The editor window reads its action states from here and hands the
// values of its fields to check() and store().
class PaletteDocument
{
public:
    const QList<TColorInfo>& colors() const { return m_colors; }
    int current() const { return m_current; }
    void setCurrent(int row);
    PaletteEditState state() const { return m_state; }
    bool changed() const { return m_changed; }
    bool saved() const { return m_saved; }
    PaletteSort sortOrder() const { return m_sort; }

    // A new palette: no colours, never saved.
    void clear();
    // Reads a palette file; lines that are not colour lines are listed in `notKept`. On failure
    // the document is left as it was.
    Status loadpalette(const QString& fileName, QStringList* notKept = nullptr);
    // Writes the palette atomically, making the file's folder when needed. The changed flag
    // clears only when the file was written.
    Status savePalette(const QString& fileName, const QString& name, const QString& version);

    bool canNew() const { return m_state == PaletteEditState::Browse; }
    bool canEdit() const { return canNew() && !m_colors.isEmpty(); }
    bool canDelete() const { return canEdit(); }
    bool canConfirm() const { return m_state != PaletteEditState::Browse; }
    bool canCancel() const { return canConfirm(); }
    bool canUp() const;
    bool canDown() const;
    bool canSave() const { return m_changed; }

    // Enters the new state; returns the symbol to preselect: the one after the last colour's,
    // 0 past the end of the symbol string or for an empty list.
    int beginNew(int symbolCount);
    void beginEdit();
    void cancel();

    // The values OK stores: the number trimmed, and the number as the name when the name is blank.
    static TColorInfo valuesOf(const QString& name, const QString& number, TColorRef color, int charID);
    // The first colour (the edited one excepted) with the same name, number or colour value, in
    // list order and in that order of fields; the index of the colour in `row`.
    PaletteRefusal check(const TColorInfo& values, int* row = nullptr) const;
    // Whether a colour other than the one being edited has the symbol.
    bool symbolUsedByOther(int charID) const;
    // Appends (new state) or replaces the current colour (edit state), then back to browse.
    void store(const TColorInfo& values);

    void deleteCurrent();
    void moveUp();
    void moveDown();
    // Stable sorts of the list itself; a later save writes the sorted order.
    void sortBy(PaletteSort sort);
    // A colour whose value an earlier colour has: the catalogue keeps only the first.
    bool isDuplicate(int row) const;

private:
    void swapWith(int other);

    QList<TColorInfo> m_colors;
    int m_current = -1;
    PaletteEditState m_state = PaletteEditState::Browse;
    PaletteSort m_sort = PaletteSort::ByPalette;
    bool m_changed = false;
    bool m_saved = false;
};
