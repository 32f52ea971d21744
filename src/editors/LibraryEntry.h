#pragma once
#include "model/Design.h"
#include "model/Status.h"
#include <QHash>
#include <QImage>
#include <memory>

class ClipboardBuffer;

// One entry of the design library as the library window shows it: the design file read into a
// design of its own (never the open one), the texts of the labels, the preview at 2 x 2 pixels
// per stitch, and the entry's content handed to the clipboard buffer in the open design's
// colours.
//
// Protocol: load() with freshDesign(open); on an error the entry holds nothing and the status
// is the reader's message. compareWith() decides the conversion against the open design;
// fillBuffer() then hands the content over.
class LibraryEntry
{
public:
    // A design to read an entry into: the open design's catalogues, nothing else.
    static std::unique_ptr<Design> freshDesign(const TStitch& open);

    // Reads `fileName` into `fresh`; `libraryFolder` starts the description of an entry without
    // one.
    Status load(const QString& fileName, std::unique_ptr<Design> fresh, const QString& libraryFolder);
    void clear();
    bool loaded() const { return m_design != nullptr; }
    const Design* design() const { return m_design.get(); }

    // The labels: the file's title, else its file name; its description, else the folder and
    // file name; its palette.
    int width() const { return m_design ? m_design->width() : 0; }
    int height() const { return m_design ? m_design->height() : 0; }
    const QString& name() const { return m_name; }
    const QString& description() const { return m_description; }
    QString palette() const { return m_design ? m_design->stitch.colorsname() : QString(); }

    // Full stitches as 2 x 2 blocks, quarters as single pixels and back stitches as lines of one
    // pixel per half-cell unit, on the entry's background.
    const QImage& preview() const { return m_preview; }

    // The entry's palette differs from the open design's (false without an open design).
    bool needsConversion() const { return m_needsConversion; }
    // Decides the conversion and the colour every entry colour becomes in `open`: itself when no
    // conversion is needed and `open`'s colour table has it, else its nearest colour there, so
    // no stitch colour outside the open table reaches the design. Null: no design is open.
    void compareWith(const TStitch* open);
    TColorRef matchColor(TColorRef entryColor) const { return m_match.value(entryColor, entryColor); }

    // Empties the buffer and fills it with the whole entry: both rasters (empty cells in the
    // open design's background), back stitches, knots and rhodes, every colour matched.
    void fillBuffer(TColor32 openBackground, ClipboardBuffer& buffer) const;

private:
    std::unique_ptr<Design> m_design;
    QString m_name;
    QString m_description;
    QImage m_preview;
    bool m_needsConversion = false;
    QHash<TColorRef, TColorRef> m_match;
};
