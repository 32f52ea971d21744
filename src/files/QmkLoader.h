#pragma once
#include "model/ColorUsage.h"
#include "model/Status.h"
#include <QList>
#include <QString>

class Design;
class qmkFile;

// Makes a design file the content of a fresh design.
//
// Protocol: the caller makes a fresh Design with the start-up initialisation (settings and
// catalogues loaded, nothing else), calls LoadQMK on it, and swaps it in for the open design
// only when the Status is ok; on an error the fresh design is thrown away and the open design
// was never touched. The caller then does what belongs to the open command: marks the design
// saved and opened (TStitch::OpenFile, fileMode), and sets up the view.
//
// The file is read completely first (ReadQMK); the design is built only from a record that
// read without error. The load ends with a full recount of the colour usage and the drawing
// colour on the first colour of the list. Problems that do not stop the load — a file cut
// short, stitches in colours the file's colour table lacks — are added to `warnings`, one
// each, for the caller to show.
Status LoadQMK(const QString& fileName, Design& freshDesign, QList<Status>* warnings = nullptr);

namespace QmkLoader {
// Builds the design from a record that read without error: layers, lists, background, colour
// table, palette, symbol set and font, lengths, title and description. Counts stay at zero; the
// stitched cells of each colour, counted while the layers were built, are returned for finish.
ColorUsage::LayerCounts applyRecord(const qmkFile& file, Design& design);
// Recounts the colour usage and puts the drawing colour on the colour list's first colour.
// Returns how many stitch colours were missing from the colour table and were added.
int finish(Design& design, const ColorUsage::LayerCounts& counted);
} // namespace QmkLoader
