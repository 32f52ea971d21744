#pragma once
#include "model/UTypes.h"
#include <QList>
#include <vector>

// The weighted RGB distance of the program. The first channel carries the mean m of the two
// first-channel values and the weight m / 256 + 2, the second the weight 4, the third the
// weight (255 - m) / 256 + 2. Nearest-colour searches pass blue, green, red in that order; the
// dithering threshold passes red, green, blue.
double ColorDistance(int p1, int p2, int p3, int q1, int q2, int q3);

// The key of the table nearest to c (blue, green, red roles), ties to the key met first in the
// table's order; an exact match ends the search at once and records nothing. With a `deltas`
// list, the distance found is appended to it. An empty table answers kNoColor.
TColorRef NearestColor(TColorRef c, const TColorTable& table, QList<double>* deltas = nullptr);

// The same answers as NearestColor over a fixed table, for callers that search many colours:
// candidates are kept sorted by green, and the scan stops in each direction once the green
// difference alone puts every further candidate beyond the best distance found.
class NearestColorSearch
{
public:
    explicit NearestColorSearch(const TColorTable& table);

    // Returns kNoColor for an empty table; `distance` receives the distance found (0 for an
    // exact match).
    TColorRef find(TColorRef c, double* distance = nullptr) const;
    bool empty() const { return m_entries.empty(); }

private:
    struct Entry
    {
        int blue;
        int green;
        int red;
        int order; // position in the table: the tie rule
        TColorRef color;
    };
    std::vector<Entry> m_entries; // sorted by green
};
