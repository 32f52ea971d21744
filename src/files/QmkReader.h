#pragma once
#include "files/QmkFile.h"
#include "model/Status.h"
#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

// Reads a design file into a fresh record; never touches an open design (the design library
// reads files while one is open).
//
// The file is read completely into memory and then parsed in file order; the HEAD version
// decides which blocks and fields follow (fields a lower version lacks stay 0), the COLO
// version whether colour numbers are text. Block tags and lengths are not used to find blocks,
// since the rhodes block carries the tag "BACK" like the back stitches before it.
//
// Every count, length and size is checked against the bytes the file holds, and the design's
// size against DesignLimits, before anything is allocated: a value that cannot be makes the
// read fail with a message naming the file. A file that merely ends early reads as far as it
// goes; everything after the cut stays empty and `file.truncated` is set.
Status ReadQMK(qmkFile& file, const QString& fileName);
// The same over bytes already in memory; `fileName` only names the file in messages.
Status ReadQMK(qmkFile& file, const QByteArray& bytes, const QString& fileName);

// The design's size in cells from the head of a design file, read without reading the rest:
// callers refuse work on a design too large before paying for loading it. Nothing when the
// file cannot be read or its head is not that of a design file.
std::optional<QSize> ReadQMKSize(const QString& fileName);
