#include "ToolRig.h"
#include "model/ColorUsage.h"
#include "support/TestDesigns.h"

namespace {
int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
} // namespace

const LayerPictures::Colors& ToolRig::colors()
{
    static const LayerPictures::Colors table = {{'r', kRed}, {'g', kGreen}, {'b', kBlue}};
    return table;
}

ToolRig::ToolRig(const QStringList& cells, const QStringList& quarters)
    : m_design(TestDesigns::fromRows(cells, colors()))
{
    if (!quarters.isEmpty())
        LayerPictures::paint(m_design->QuarterLayer, quarters, colors(), m_design->stitch.BackGroundColor);
    ColorUsage::CalcColorUsage(*m_design);
    m_design->stitch.setDrawcolor(kRed);
}

ToolContext ToolRig::context()
{
    return ToolContext{*m_design, allowQuarterOverCross, backStitchesVisible, backStitchesContinue, &shapes, fillMode,
        roundCorners};
}

ToolPointer ToolRig::pixel(int x, int y) const
{
    return ToolPointer::locate(*m_design, QPoint(floorDiv(x, 8), floorDiv(y, 8)), QPoint(floorDiv(x, 4), floorDiv(y, 4)),
        QPoint(floorDiv(x + 2, 4), floorDiv(y + 2, 4)), QPoint(x, y), QSize(8, 8));
}

ToolPointer ToolRig::cell(int x, int y) const
{
    return pixel(8 * x + 4, 8 * y + 4);
}

ToolPointer ToolRig::quarter(int qx, int qy) const
{
    return pixel(4 * qx + 1, 4 * qy + 1);
}

ToolPointer ToolRig::point(int px, int py) const
{
    return pixel(4 * px, 4 * py);
}

void ToolRig::drag(Tool& tool, const QList<ToolPointer>& pointers)
{
    ToolContext c = context();
    tool.press(c, pointers.first());
    for (qsizetype i = 1; i < pointers.size(); ++i)
        tool.move(c, pointers[i]);
    tool.release(c, pointers.last());
}

QStringList ToolRig::cells() const
{
    return LayerPictures::read(m_design->CrossLayer, colors(), m_design->stitch.BackGroundColor);
}

QStringList ToolRig::quarters() const
{
    return LayerPictures::read(m_design->QuarterLayer, colors(), m_design->stitch.BackGroundColor);
}

std::string ToolRig::picture() const
{
    return LayerPictures::text(cells()) + " / " + LayerPictures::text(quarters());
}
