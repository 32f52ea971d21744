#pragma once
#include "model/Status.h"
#include <QList>
#include <QString>

class Design;
struct OxsFile;

// Makes an Open Cross Stitch file (".oxs") the content of a fresh design.
//
// Protocol (as for LoadQMK): the caller makes a fresh Design with the start-up initialisation,
// calls ReadOXS on it, and swaps it in for the open design only when the Status is ok; on an
// error the open design was never touched. The caller then does what belongs to the open
// command: marks the design saved and opened, names it after the file with the extension
// ".qmk", and sets up the view.
//
// The file is read completely first (OxsReader); the design is built only from a record that
// read without error, and the import ends with a full recount of the colour usage. What the
// design cannot hold is added to `warnings`, one message per kind, each naming the file.
Status ReadOXS(const QString& fileName, Design& freshDesign, QList<Status>* warnings = nullptr);

namespace OxsImport {
// Builds the design from a record: size, palette and colours, symbols, background, stitches,
// title, comment and thread lengths. Fails, leaving the design unusable, only when the chart's
// own size is beyond DesignLimits. Notes go to `warnings` (when given).
//
// Size: the chart's size, grown to the extent of the stitches while that stays within the
// limits; stitches beyond it or at negative positions are dropped. Of two full stitches in one
// cell the later wins. Lines of one rhode (same `rhode` place, one thread, no end moved) become
// that rhode; the lines of any other rhode stay back stitches.
//
// Palette: the design's own palette when the file names one that is catalogued; otherwise the
// catalogued palette whose thread numbers match the most threads of the file (only palettes
// whose name starts with the file's brand, when it names one; ties to the default palette, then
// to catalogue order), or the default palette when nothing matches. A thread matched by number
// (and, in the program's own files, by colour value too) takes the palette's entry; any other
// keeps the file's colour, name and number, placed after the palette's threads with the first
// free symbol. Threads that land on one colour value are merged. The symbol set is the one the
// file names when catalogued, else the default set; a thread's own symbol index is kept when
// the set has it.
Status applyRecord(const OxsFile& file, Design& design, const QString& fileName, QList<Status>* warnings);
} // namespace OxsImport
