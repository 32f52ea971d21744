#pragma once
#include "editing/LayerPictures.h"
#include "editing/tools/Tool.h"
#include "model/Design.h"
#include "model/RhodeShapes.h"
#include <QStringList>
#include <memory>

// A design drawn from text pictures, the settings the tools read, and pointers placed the way
// the work view places them at zoom 8 without scrolling (cells 8 x 8 pixels), also off the
// design. Colours: 'r' red, 'g' green, 'b' blue.
class ToolRig
{
public:
    static constexpr TColorRef kRed = 0x0000FF;
    static constexpr TColorRef kGreen = 0x00FF00;
    static constexpr TColorRef kBlue = 0xFF0000;
    static const LayerPictures::Colors& colors();

    // Cells and, optionally, quarters (twice the size) as pictures; counts recounted.
    explicit ToolRig(const QStringList& cells, const QStringList& quarters = {});

    Design& design() { return *m_design; }
    ToolContext context();
    bool allowQuarterOverCross = false;
    bool backStitchesVisible = true;
    bool backStitchesContinue = true;
    TFillMode fillMode = fillNone;
    bool roundCorners = false;
    RhodeShapes shapes;

    // The pixel in the middle of a cell or a quarter, exactly on a half-cell point, or any.
    ToolPointer cell(int x, int y) const;
    ToolPointer quarter(int qx, int qy) const;
    ToolPointer point(int px, int py) const;
    ToolPointer pixel(int x, int y) const;

    // Press at the first pointer, moves through the others, release at the last.
    void drag(Tool& tool, const QList<ToolPointer>& pointers);
    void click(Tool& tool, const ToolPointer& pointer) { drag(tool, {pointer}); }

    QStringList cells() const;
    QStringList quarters() const;
    std::string picture() const; // cells, then "/" and the quarters
    int records() const { return m_design->History.count(); }

private:
    std::unique_ptr<Design> m_design;
};
