#include "view/SelectionPicture.h"
#include "model/Design.h"
#include "view/ChartRenderer.h"
#include <algorithm>

QSize SelectionPicture::cellSize(int columns, int rows, const ViewGeometry& view)
{
    const double longest = std::max(double(columns) * view.CellWidth, double(rows) * view.CellHeight);
    const double factor = std::min(1.0, kLongestSide / std::max(1.0, longest));
    return QSize(std::max(1, int(view.CellWidth * factor)), std::max(1, int(view.CellHeight * factor)));
}

QImage SelectionPicture::render(const Design& design, const TRect& s, const ViewGeometry& view, const ViewOptions& options)
{
    const int left = std::max(s.Left, 0), top = std::max(s.Top, 0);
    const int columns = std::min(s.Right, design.width()) - left, rows = std::min(s.Bottom, design.height()) - top;
    if (columns <= 0 || rows <= 0)
        return {};
    const QSize cell = cellSize(columns, rows, view);
    ViewGeometry g = view;
    g.CellWidth = cell.width();
    g.CellHeight = cell.height();
    g.h = left;
    g.v = top;
    ViewOptions o = options;
    o.zoom = cell.width();
    o.preview = {};
    o.selection = nullptr;
    QImage picture(columns * cell.width(), rows * cell.height(), QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    ChartRenderer().render(picture, picture.rect(), design, g, o);
    return picture;
}
