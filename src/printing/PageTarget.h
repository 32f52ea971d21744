#pragma once

class QPainter;

// Where the pages of a print run go: a printer, a PDF file or a sequence of page pictures. The
// first page is open when the run starts; the run asks for another page only when it has
// something to draw on it, so a target never ends with a blank page.
class PageTarget
{
public:
    virtual ~PageTarget() = default;
    // The painter of the open page, in the layout's device pixels.
    virtual QPainter& painter() = 0;
    // Finishes the open page and opens the next; false when the target failed.
    virtual bool newPage() = 0;
    // Device pixels per inch (pictures are rendered at most at 300 and scaled to this).
    virtual int resolution() const = 0;
};
