#pragma once
#include "imaging/TBitmap32.h"
#include "model/UTypes.h"
#include <QHash>
#include <QMap>
#include <optional>
#include <vector>

class DesignListener;

// The symbol set of the open design: the characters, which indexes are in use, and a cache of
// rendered symbols per size. The cache holds, for every colour of the design's colour table and
// every size 4..11, an entry that is "in use" when the colour has stitches; the colour list
// reads "in use" from the size-9 entries. An entry's raster is rendered when it is first asked
// for: opening a design with hundreds of colours would otherwise render thousands of symbols
// that nobody looks at.
class TCharacters
{
public:
    static constexpr int kSmallestSize = 4;
    static constexpr int kLargestSize = 11;
    static constexpr int kListSize = 9;

    // The design's raster that the set was made for is not kept, so it is not asked for.
    explicit TCharacters(const QString& characters, DesignListener* listener = nullptr);

    struct SymbolEntry
    {
        bool used = false;
        mutable std::optional<TBitmap32> raster; // rendered on first use
    };
    QMap<int, QHash<TColorRef, SymbolEntry>> dic;
    QString ffontname;
    quint8 ffontcharset = 0;
    QString CharsName;
    QString fcharacters;
    std::vector<int> CharsUsed;

    // The symbol of a colour: none for charID -1 and for an index beyond the string.
    std::optional<QChar> symbolOf(int charID) const;

    // Renders the colour's symbol, non-antialiased, white on dark colours and black otherwise,
    // onto a new square raster of side 2 * size - 1 (transparent where there is no glyph).
    TBitmap32 CharToBitmap(TColorRef color, const TColorInfo& info, int size) const;

    void SetFontName(const QString& name, const TColorTable& colors);
    void Rebuild(const TColorTable& colors) { SetFontName(ffontname, colors); }
    void clearCharsused();

    // The cache entries of one colour for a colour entering or leaving use.
    void renderColor(TColorRef color, const TColorInfo& info);
    void clearColor(TColorRef color);
    bool inUse(TColorRef color) const;
    // The rendered symbol of a colour in use at a cached size, or null when it is not in use.
    const TBitmap32* symbolRaster(TColorRef color, const TColorInfo& info, int size) const;

    // Usage mark of a colour's symbol; colours without a valid symbol touch no mark.
    void setUsed(int charID, bool used);

    void setListener(DesignListener* listener) { m_listener = listener; }

private:
    DesignListener* m_listener = nullptr;
};
