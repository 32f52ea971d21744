#include "files/OxsStitchReader.h"
#include "files/OxsValues.h"
#include <cmath>

namespace {
QStringView value(const QXmlStreamAttributes& attributes, const char* name)
{
    return attributes.value(QLatin1String(name));
}

std::optional<double> number(const QXmlStreamAttributes& attributes, const char* name)
{
    return OxsValues::number(value(attributes, name));
}

// A palette index; 0 (which names no thread) when it is missing or unreadable.
int palindex(const QXmlStreamAttributes& attributes, const char* name)
{
    const std::optional<double> n = number(attributes, name);
    return n && *n >= 1 && *n <= 1e9 ? int(*n) : 0;
}

// A position as a half-cell point; false when the attribute is missing or no number.
bool halfPoint(const QXmlStreamAttributes& attributes, const char* name, int* point, bool* moved)
{
    const std::optional<double> n = number(attributes, name);
    if (n)
        *point = OxsValues::halfPoint(*n, moved);
    return bool(n);
}

bool cornerOf(const QXmlStreamAttributes& attributes, QPoint* corner, bool* moved)
{
    int x = 0, y = 0;
    if (!halfPoint(attributes, "x1", &x, moved) || !halfPoint(attributes, "y1", &y, moved))
        return false;
    *corner = QPoint(x, y);
    return true;
}

// The four quarters of the cell whose top-left corner is `corner`, on the quarter grid.
enum Quadrant { TopLeft, TopRight, BottomLeft, BottomRight };

void addQuarter(OxsFile& file, const QPoint& corner, Quadrant q, int palindex)
{
    if (palindex > 0)
        file.quarters.push_back({corner + QPoint(q == TopRight || q == BottomRight, q >= BottomLeft), palindex});
}

void addQuarters(OxsFile& file, const QPoint& corner, std::initializer_list<Quadrant> quadrants, int palindex)
{
    for (Quadrant q : quadrants)
        addQuarter(file, corner, q, palindex);
}

// Directions of a part stitch: 1 and 2 are two colours either side of a half, 3 "/" and 4 "\"
// are one half.
void readPartStitch(const QXmlStreamAttributes& attributes, const QPoint& corner, OxsFile& file)
{
    const int first = palindex(attributes, "palindex1");
    const int second = palindex(attributes, "palindex2");
    const int half = first > 0 ? first : second;
    const std::optional<double> direction = number(attributes, "direction");
    if (half == 0 || !direction) {
        ++file.incomplete;
        return;
    }
    switch (int(*direction)) {
    case 1:
        addQuarters(file, corner, {TopLeft, BottomRight}, half);
        addQuarter(file, corner, BottomLeft, first);
        addQuarter(file, corner, TopRight, second);
        break;
    case 2:
        addQuarters(file, corner, {BottomLeft, TopRight}, half);
        addQuarter(file, corner, TopLeft, first);
        addQuarter(file, corner, BottomRight, second);
        break;
    case 3:
        addQuarters(file, corner, {BottomLeft, TopRight}, half);
        break;
    case 4:
        addQuarters(file, corner, {TopLeft, BottomRight}, half);
        break;
    default:
        ++file.incomplete;
    }
}

// A tent stitch: direction 1 "\", 2 "/".
void readTent(const QXmlStreamAttributes& attributes, const QPoint& corner, OxsFile& file)
{
    int colour = palindex(attributes, "palindex");
    if (colour == 0)
        colour = palindex(attributes, "palindex1");
    const std::optional<double> direction = number(attributes, "direction");
    if (colour == 0 || !direction || (*direction != 1 && *direction != 2)) {
        ++file.incomplete;
        return;
    }
    if (*direction == 1)
        addQuarters(file, corner, {TopLeft, BottomRight}, colour);
    else
        addQuarters(file, corner, {BottomLeft, TopRight}, colour);
}

void readFullCross(const QXmlStreamAttributes& attributes, const QPoint& corner, OxsFile& file)
{
    const int colour = palindex(attributes, "palindex");
    if (corner.x() % 2 == 0 && corner.y() % 2 == 0)
        file.full.push_back({corner / 2, colour});
    else if (colour == 0)
        ++file.incomplete;
    else
        addQuarters(file, corner, {TopLeft, TopRight, BottomLeft, BottomRight}, colour);
}

void readLine(const QXmlStreamAttributes& attributes, OxsFile& file)
{
    OxsFile::Line line;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (!halfPoint(attributes, "x1", &x1, &line.moved) || !halfPoint(attributes, "y1", &y1, &line.moved)
        || !halfPoint(attributes, "x2", &x2, &line.moved) || !halfPoint(attributes, "y2", &y2, &line.moved)) {
        ++file.incomplete;
        return;
    }
    line.from = QPoint(x1, y1);
    line.to = QPoint(x2, y2);
    if (line.from == line.to) {
        ++file.zeroLength;
        return;
    }
    line.palindex = palindex(attributes, "palindex");
    const std::optional<double> rhode = number(attributes, "threadwright_rhode");
    line.rhode = rhode && *rhode >= 1 && *rhode <= 1e9 ? int(*rhode) : 0;
    file.lines.push_back(line);
}

bool isOneOf(QStringView type, std::initializer_list<const char*> types)
{
    for (const char* t : types) {
        if (type.compare(QLatin1String(t), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Items that lie on a cell or a point: the type decides what they become.
void readPlacedObject(QStringView type, const QXmlStreamAttributes& attributes, OxsFile& file)
{
    QPoint corner;
    bool moved = false;
    if (!cornerOf(attributes, &corner, &moved)) {
        ++file.incomplete;
        return;
    }
    if (isOneOf(type, {"knot"})) {
        file.knots.push_back({corner, palindex(attributes, "palindex")});
        file.knotsMoved += moved;
    } else if (isOneOf(type, {"quarter"})) {
        file.quarters.push_back({corner, palindex(attributes, "palindex")});
    } else if (isOneOf(type, {"partstitch"})) {
        readPartStitch(attributes, corner, file);
    } else if (isOneOf(type, {"tent"})) {
        readTent(attributes, corner, file);
    } else {
        readFullCross(attributes, corner, file);
    }
}

// The kind a left-out item is counted under: its type, while a file has few kinds.
QString leftOutKind(const QString& type, const OxsFile& file)
{
    constexpr int kMostKinds = 16;
    constexpr int kLongestKind = 40;
    if (type.isEmpty() || type.size() > kLongestKind || (file.leftOut.size() >= kMostKinds && !file.leftOut.contains(type)))
        return QStringLiteral("?");
    return type;
}

void countMark(const QXmlStreamAttributes& attributes, OxsFile& file)
{
    if (OxsValues::flag(value(attributes, "marked")).value_or(false))
        ++file.marked;
}
} // namespace

void OxsStitchReader::readFullStitch(const QXmlStreamAttributes& attributes, OxsFile& file)
{
    countMark(attributes, file);
    const std::optional<double> x = number(attributes, "x");
    const std::optional<double> y = number(attributes, "y");
    if (!x || !y) {
        ++file.incomplete;
        return;
    }
    const double far = OxsFile::kFarAway;
    const QPoint cell(int(std::clamp(std::floor(*x), -far, far)), int(std::clamp(std::floor(*y), -far, far)));
    file.full.push_back({cell, palindex(attributes, "palindex")});
}

void OxsStitchReader::readObject(const QXmlStreamAttributes& attributes, bool inBackStitches, OxsFile& file)
{
    countMark(attributes, file);
    // Types are told apart without a copy: a large chart has a million of them.
    QStringView type = value(attributes, "objecttype").trimmed();
    if (type.isEmpty() && inBackStitches)
        type = u"backstitch";
    if (isOneOf(type, {"backstitch", "straightstitch", "daisy", "bugle"}))
        readLine(attributes, file);
    else if (isOneOf(type, {"knot", "quarter", "partstitch", "tent", "fullcross"}))
        readPlacedObject(type, attributes, file);
    else
        ++file.leftOut[leftOutKind(type.toString().toLower(), file)];
}
