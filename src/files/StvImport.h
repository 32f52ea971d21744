#pragma once
#include "model/Status.h"
#include <QList>
#include <QString>

class Design;
class TSTVFile;

// Makes a Tapisto design file (".stv") the content of a fresh design: size, background, colours
// with their symbols, and the full stitches (the format has no other kinds).
//
// Protocol (as for LoadQMK): the caller makes a fresh Design with the start-up initialisation,
// calls ReadSTV on it, and swaps it in for the open design only when the Status is ok; on an
// error the open design was never touched. The caller then does what belongs to the open
// command: marks the design saved and opened, names it after the file with the extension
// ".qmk", and sets up the view.
//
// The file is read completely first (StvReader); the design is built only from a record that
// read without error, and the import ends with a full recount of the colour usage. Cells whose
// colour index names no colour entry stay empty and are reported in `warnings`.
Status ReadSTV(const QString& fileName, Design& freshDesign, QList<Status>* warnings = nullptr);

namespace StvImport {
// Builds the design from a record that read without error: background, layers, colour table,
// palette and symbol set. Counts stay at zero.
//
// The background is `backcolor` read as a thread colour with red in its low byte, green in its
// high byte and no blue. Every colour entry joins the colour table once, without name or number,
// with `matchColor` 0 and `orderID` 0, and with the 1-based position of its character among the
// file's characters as `charID` (0 when the character is not there). The first entry becomes the
// drawing colour. The symbols are those of the default symbol set, shown in the file's font
// (the set's own font when the file names none).
void applyRecord(const TSTVFile& file, Design& design);
} // namespace StvImport
