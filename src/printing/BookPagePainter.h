#pragma once
#include "printing/PageContext.h"
#include <QRect>

class QPainter;
struct TMyPage;

// The pages of a chart book around the chart: the title page with a picture of the stitched
// design, the info page with the user's book text, and the table of contents, a map of all
// pages. Texts are centred or placed at fractions of the whole page (W x H device pixels).
class BookPagePainter
{
public:
    explicit BookPagePainter(const PageContext& context);

    // `pictureScale` is min(device dpi, 300) / device dpi: the picture's pixels per device pixel.
    void drawTitlePage(QPainter& painter, double pictureScale) const;
    void drawInfoPage(QPainter& painter) const;
    void drawContentsPage(QPainter& painter, const TMyPage& page) const;

    // Where the title page's picture goes: nearest(0.528 H) across its longer side, centred. A
    // design too large for one device pixel per stitch is shrunk to fit the same box.
    QRectF titlePicture() const;

    // The plain text of a stored RTF value: groups that hold no text, control words and braces
    // taken out, paragraph marks as line breaks.
    static QString plainFromRtf(const QString& rtf);

private:
    void centred(QPainter& p, double f, const QString& text) const;
    void drawContentsCell(QPainter& p, const TMyPage& page, const QRect& cell, double sx, double sy) const;

    const PageContext& m_c;
};
