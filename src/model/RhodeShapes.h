#pragma once
#include "model/TRhode.h"
#include <QList>
#include <QString>

class RhodesFile;

// The library of rhodes shapes: the shapes the rhodes tool places, in library order, and the
// tool's current shape. A shape's stitches lie on the half-cell grid of its box of `width` x
// `height` cells. The rhodes editor changes the shapes themselves (they are shared, so an edit
// shows everywhere at once) and appends new ones.
//
// The library remembers when its file could not be read (see RhodesFile): it then starts empty,
// and that empty library must never replace the file. Only RhodesFile sets or clears the mark,
// so no caller can lose it by accident.
class RhodeShapes
{
public:
    // The largest box a shape may have, in cells per side.
    static constexpr int kMaxSide = 100;

    int size() const { return int(m_shapes.size()); }
    bool isEmpty() const { return m_shapes.isEmpty(); }
    const QList<TRhodeRef>& shapes() const { return m_shapes; }
    const TRhodeRef& at(int index) const { return m_shapes.at(index); }

    // Appends a shape; the first shape of an empty library becomes current.
    void append(const TRhodeRef& shape);
    // Removes a shape that is not original; false when there is no such shape. When the current
    // shape goes, the first shape becomes current (none when the library is empty).
    bool remove(int index);

    // The current shape of the rhodes tool: an index, or -1 (and null) when the library is empty.
    int currentIndex() const { return m_current; }
    TRhodeRef current() const;
    void setCurrentIndex(int index);

    // The file this library could not be read from, or empty.
    const QString& unreadableFile() const { return m_unreadableFile; }

    // A placed copy of `shape` for a design of `designWidth` x `designHeight` cells: its box
    // centred on the half-cell point `centre`, colour `color`, `index` as given, width and height
    // 0 and no name. Null when the shape has no stitches or when a stitch point would lie off
    // the design's half-cell grid (0 to 2 x designWidth, 0 to 2 x designHeight): a shape near an
    // edge is refused rather than moved, so it never lands where the user did not point.
    static TRhodeRef place(const TRhode& shape, const QPoint& centre, TColorRef color, int index,
        int designWidth, int designHeight);

private:
    friend class RhodesFile;

    QList<TRhodeRef> m_shapes;
    int m_current = -1;
    QString m_unreadableFile;
};
