#include "editors/RhodeShapeEditor.h"
#include "editing/tools/SegmentClip.h"
#include "files/RhodesFile.h"
#include "imaging/Rounding.h"
#include "model/RhodeShapes.h"
#include "model/Translatable.h"
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>

namespace {
const QColor kGridColor(128, 128, 128);
const QColor kStitchColor(4, 217, 251);
const QColor kPendingColor(0, 128, 0);
constexpr int kStitchWidth = 5;

QPen stitchPen(const QColor& color)
{
    return QPen(color, kStitchWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The largest coordinate of any stitch end, on one axis.
int largest(const TRhode* shape, bool horizontal)
{
    int most = 0;
    if (!shape)
        return most;
    for (const TBackStitch& s : shape->stitches) {
        for (const QPoint& p : {s.FromPoint, s.ToPoint})
            most = std::max(most, horizontal ? p.x() : p.y());
    }
    return most;
}
} // namespace

RhodeShapeEditor::RhodeShapeEditor(RhodeShapes& shapes)
    : m_shapes(shapes)
{
}

void RhodeShapeEditor::setTool(Tool tool)
{
    m_tool = tool;
    m_pending.reset();
}

const TRhode* RhodeShapeEditor::current() const
{
    if (fMode != modNone)
        return &m_working;
    return m_selected >= 0 ? m_shapes.at(m_selected).get() : nullptr;
}

bool RhodeShapeEditor::canEdit() const
{
    return fMode == modNone && m_selected >= 0 && !m_shapes.at(m_selected)->original;
}

void RhodeShapeEditor::select(int index)
{
    if (fMode != modNone)
        return;
    m_selected = index >= 0 && index < m_shapes.size() ? index : -1;
    showShape(current());
}

void RhodeShapeEditor::showShape(const TRhode* shape)
{
    m_pending.reset();
    if (!shape)
        return;
    fcellsX = std::clamp(shape->width, 1, RhodeShapes::kMaxSide);
    fCellsY = std::clamp(shape->height, 1, RhodeShapes::kMaxSide);
    fitZoom();
}

void RhodeShapeEditor::enterEditing(TMode mode, const TRhode& start)
{
    m_working = start;
    m_working.original = false;
    fMode = mode;
    setTool(Tool::draw);
}

void RhodeShapeEditor::beginNew()
{
    if (canNew())
        enterEditing(modAdd, TRhode());
}

void RhodeShapeEditor::beginEdit()
{
    if (canEdit())
        enterEditing(modEdit, *m_shapes.at(m_selected));
}

RhodeShapeEditor::Refusal RhodeShapeEditor::confirm(const QString& name)
{
    if (fMode == modNone)
        return Refusal::none;
    if (name.trimmed().isEmpty())
        return Refusal::noName;
    for (int i = 0; i < m_shapes.size(); ++i) {
        if (m_shapes.at(i)->name == name && !(fMode == modEdit && i == m_selected))
            return Refusal::sameName;
    }
    if (m_working.stitches.isEmpty())
        return Refusal::noStitches;
    m_working.name = name;
    m_working.width = fcellsX;
    m_working.height = fCellsY;
    if (fMode == modAdd) {
        m_shapes.append(std::make_shared<TRhode>(m_working));
        m_selected = m_shapes.size() - 1;
        m_changed = true;
    } else {
        TRhode& stored = *m_shapes.at(m_selected);
        // Placed rhodes are copies; the library's own object takes the edits.
        if (!stored.sameContent(m_working)) {
            stored.name = m_working.name;
            stored.width = m_working.width;
            stored.height = m_working.height;
            stored.stitches = m_working.stitches;
            m_changed = true;
        }
    }
    fMode = modNone;
    showShape(current());
    return Refusal::none;
}

void RhodeShapeEditor::cancel()
{
    fMode = modNone;
    m_working = TRhode();
    showShape(current());
}

bool RhodeShapeEditor::deleteSelected()
{
    if (!canDelete() || !m_shapes.remove(m_selected))
        return false;
    m_selected = -1;
    m_changed = true;
    return true;
}

int RhodeShapeEditor::minCellsX() const
{
    return std::max(1, (largest(current(), true) + 1) / 2);
}

int RhodeShapeEditor::minCellsY() const
{
    return std::max(1, (largest(current(), false) + 1) / 2);
}

int RhodeShapeEditor::maxZoom() const
{
    return kMaxSurface / std::max(fcellsX, fCellsY);
}

void RhodeShapeEditor::setCellsX(int cells)
{
    fcellsX = std::clamp(cells, minCellsX(), RhodeShapes::kMaxSide);
    m_pending.reset();
    fitZoom();
}

void RhodeShapeEditor::setCellsY(int cells)
{
    fCellsY = std::clamp(cells, minCellsY(), RhodeShapes::kMaxSide);
    m_pending.reset();
    fitZoom();
}

void RhodeShapeEditor::setZoom(int zoom)
{
    fZoom = std::clamp(zoom, kMinZoom, maxZoom());
}

void RhodeShapeEditor::fitZoom()
{
    setZoom(fZoom);
}

QPoint RhodeShapeEditor::pointAt(const QPointF& pixel) const
{
    const int x = rnd(2.0 * pixel.x() / fZoom);
    const int y = rnd(2.0 * pixel.y() / fZoom);
    return QPoint(std::clamp(x, 0, 2 * fcellsX), std::clamp(y, 0, 2 * fCellsY));
}

QPoint RhodeShapeEditor::pixelOf(const QPoint& point) const
{
    return QPoint(fZoom * point.x() / 2, fZoom * point.y() / 2);
}

bool RhodeShapeEditor::click(const QPointF& pixel)
{
    if (fMode == modNone)
        return false;
    if (m_tool == Tool::erase)
        return erase(pixel);
    const QPoint point = pointAt(pixel);
    if (!m_pending) {
        m_pending = point;
        return false;
    }
    // A second click on the start point would make a stitch of no length.
    if (point == *m_pending)
        return false;
    TBackStitch stitch;
    stitch.FromPoint = *m_pending;
    stitch.ToPoint = point;
    stitch.Color = 0;
    m_working.stitches.append(stitch);
    m_pending.reset();
    return true;
}

bool RhodeShapeEditor::erase(const QPointF& pixel)
{
    m_pending.reset();
    const QPoint p = pixel.toPoint();
    const QRect box(QPoint(p.x() - 2, p.y() - 2), QPoint(p.x() + 2, p.y() + 2));
    QList<TBackStitch>& stitches = m_working.stitches;
    for (int i = int(stitches.size()) - 1; i >= 0; --i) {
        if (SegmentClip::meets(pixelOf(stitches[i].FromPoint), pixelOf(stitches[i].ToPoint), box)) {
            stitches.removeAt(i);
            return true;
        }
    }
    return false;
}

std::optional<QLine> RhodeShapeEditor::pendingLine(const QPointF& pixel) const
{
    if (!m_pending || fMode == modNone || m_tool != Tool::draw)
        return std::nullopt;
    return QLine(pixelOf(*m_pending), pixelOf(pointAt(pixel)));
}

QSize RhodeShapeEditor::surfaceSize() const
{
    return QSize(fZoom * fcellsX + 1, fZoom * fCellsY + 1);
}

QImage RhodeShapeEditor::surface() const
{
    const QSize size = surfaceSize();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int x = 0; x <= fcellsX; ++x)
        painter.fillRect(QRect(x * fZoom, 0, 1, size.height()), kGridColor);
    for (int y = 0; y <= fCellsY; ++y)
        painter.fillRect(QRect(0, y * fZoom, size.width(), 1), kGridColor);
    if (const TRhode* shape = current()) {
        painter.setPen(stitchPen(kStitchColor));
        for (const TBackStitch& s : shape->stitches)
            painter.drawLine(pixelOf(s.FromPoint), pixelOf(s.ToPoint));
    }
    return image;
}

void RhodeShapeEditor::paintPending(QPainter& painter, const QLine& line)
{
    painter.setPen(stitchPen(kPendingColor));
    painter.drawLine(line);
}

QRect RhodeShapeEditor::pendingBounds(const QLine& line)
{
    const int reach = kStitchWidth / 2 + 1;
    return QRect(line.p1(), line.p2()).normalized().adjusted(-reach, -reach, reach, reach);
}

Status RhodeShapeEditor::save(RhodeShapes& shapes, const QString& fileName)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        return Status::error(TRANSLATABLE("Could not make the folder %1."), {folder});
    return RhodesFile::save(fileName, shapes);
}
