#pragma once

class QPainter;
struct PageContext;

// The texts that frame pages: the heading above the first chart page (and above every page
// when only the key is printed) and the page label at the foot of a page.
namespace PageHeading {
// The design's title (or file name) and below it its comment as one unwrapped line, each line
// break shown as a space (or the palette name when there is no comment).
void drawHeading(QPainter& painter, const PageContext& context);
// "Page: n/total", centred at the foot of the page; drawn only with "Page numbers" on.
void drawPageLabel(QPainter& painter, const PageContext& context, int pageNum);
} // namespace PageHeading
