#pragma once
#include "model/Status.h"
#include "printing/PrintOptions.h"
#include "printing/PrinterGeometry.h"
#include "printing/TMyColor.h"
#include "printing/TPageMap.h"
#include "printing/TStitchListItem.h"
#include <QList>
#include <QMargins>
#include <QString>
#include <optional>

class Design;

// The print layout: cuts a design's chart into pages before anything is drawn.
//
// Call order: setDesign when the print dialog opens for a design (it builds KeyEntries); store
// the options and, when printing, the printer geometry; sort KeyEntries in the colour list's
// order when a run starts; then calc, again after every change of an option. calc works only on
// these numbers, never on a printer, and leaves PageMap, StitchSteps and every size below
// filled in. `status` says whether a layout could be made; when it could not, PageMap is empty
// and the status holds the message. `warning` is set when too many key rows or columns left no
// room for the chart and the layout switched to pSeparate.
class TPreview
{
public:
    TPreview();

    TFormat format() const { return fformat; }
    // Stores the orientation and orders the stored page size in mm to match it; store the
    // printer geometry again afterwards, as the printer reports it for that orientation.
    void setFormat(TFormat value);

    // The design's size, its key entries and whether it has back stitches or rhodes. The design
    // must stay alive and unchanged until the next setDesign: calc reads its stitch steps.
    void setDesign(const Design& design);
    // The printer's page before the page-number strip and margins are taken off.
    void setPrinter(const PrinterGeometry& printer);

    void calc();

    // Whether the page carries key entries by the key position: pTop on chart pages of the first
    // row, pLeft on chart pages of the first column, pRight and pBottom on pages with hasKeys,
    // pSeparate on key pages.
    bool showsKey(const TMyPage& page) const;
    // Key cells across and down a page.
    int keysAcross() const { return m_keysAcross; }
    int keysDown() const { return m_keysDown; }
    // The design has back stitches or placed rhodes (they get pages of their own when printed
    // separately).
    bool hasBackStitches() const { return m_hasBackStitches; }

    PrintOptions options;
    Status status;
    QString warning;
    TPageMap PageMap;
    QList<TMyColor> KeyEntries;
    QList<TStitchListItem> StitchSteps;

    int LegendDistance = 0;
    QString printername;
    int pagewidth = 0;
    int pageheight = 0;
    int pagewidthReal = 0;
    int pageheightReal = 0;
    int pagewidthmm = 0;
    int pageheightmm = 0;
    int pagewidthmmReal = 0;
    int pageheightmmReal = 0;
    int imagewidth = 0;
    int imageheight = 0;
    TPosition position = pSeparate;
    double gridX = 0;
    double gridY = 0;
    double ThickLinesPx = 0;
    double MediumLinesPx = 0;
    double ThinLinesPx = 0;
    int BackStitchLinesPx = 0;
    int SymbolSizePX = 0;
    double gridWidthPx = 0;
    double gridHeightPx = 0;
    int titleHeightPx = 0;
    int CommentHeightPX = 0;
    int borderPX = 0;
    int hblocksperpage = 0;
    int vblocksperpage = 0;
    int hpages = 0;
    int vpages = 0;
    int totalpages = 0;
    int hpagesreal = 0;
    int keyWidthPx = 0;
    int keyHeightPx = 0;
    double side = 0;
    double mmPx = 0;
    double mmPy = 0;
    int keyCellYPx = 0;
    int keyCellXPx = 0;
    int keyColumns = 0;
    bool useColors = true;
    QMargins inlineBorderPX; // page margins in device px; all 0 when margins are off
    int pixelsPerInch = 0;
    TPageMap DelPage; // declared for the dialog, never used by the layout
    int pageNumber = 0;

    // The message of the switch to pSeparate.
    static const char* const kTooManyColors;

private:
    std::optional<Status> usablePage();
    void cellAndKeySizes();
    std::optional<Status> checkSizes() const;
    void bookPages(const TPageMap& pages);
    void selectAndNumber();
    int stitchStepPages();

    TFormat fformat = fPortrait;
    PrinterGeometry m_printer;
    const Design* m_design = nullptr;
    bool m_hasBackStitches = false;
    bool m_stepsBuilt = false;
    qint64 m_stepLines = 0;
    int m_keysAcross = 0;
    int m_keysDown = 0;
};
