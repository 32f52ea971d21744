#pragma once
#include <QRect>
#include <QHash>
#include <vector>

class Design;

// Which back stitches, rhodes and french knots lie near a rectangle of half-cell points. A large
// chart holds tens of thousands of back stitches; repainting one cell must not look at all of
// them. Items are kept in square tiles of half-cell points; an item is listed in every tile its
// bounding box meets, or, when that would be many tiles, in a short list checked every time.
// The work view and the real preview both draw through it.
//
// The index describes the lists as they were when it was built: the owner rebuilds it when
// stitches are added, removed or moved (the work view: ChartRenderer::invalidateStitchIndex).
class StitchIndex
{
public:
    void build(const Design& design);
    bool builtFor(const Design& design) const;

    // Positions in BackStitchList, and in RhodeList, of the items whose bounding boxes meet
    // `points`, in list order.
    std::vector<int> backStitchesNear(const QRect& points) const;
    std::vector<int> rhodesNear(const QRect& points) const;
    // Positions in FrenchKnotList of the knots whose centres lie in `points`, in list order.
    std::vector<int> knotsNear(const QRect& points) const;

private:
    struct Tiles
    {
        QHash<qint64, std::vector<int>> tiles;
        std::vector<int> wide;
        void add(int item, const QRect& box);
        std::vector<int> near(const QRect& points, const std::vector<QRect>& boxes) const;
    };

    static constexpr int kTile = 32;
    static constexpr int kMaxTilesPerItem = 16;

    Tiles m_backStitches;
    Tiles m_rhodes;
    Tiles m_knots;
    std::vector<QRect> m_backBoxes;
    std::vector<QRect> m_rhodeBoxes;
    std::vector<QRect> m_knotBoxes;
    const void* m_design = nullptr;
    qsizetype m_backCount = -1;
    qsizetype m_rhodeCount = -1;
    qsizetype m_knotCount = -1;
    const void* m_backData = nullptr;
    const void* m_knotData = nullptr;
};
