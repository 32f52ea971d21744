#pragma once
#include "files/TSTVFile.h"
#include "model/Status.h"
#include <QByteArray>
#include <QString>

// Reads a Tapisto design file (".stv") into a fresh record; never touches an open design.
//
// The file is read completely into memory and parsed from the start: three texts and the file
// version, header entries up to "ENDHEADER", one text that opens the data part, then data
// sections up to "END", "ENDDATA" or an empty text. Texts end with a byte 0 and are Windows-1252;
// header numbers are big-endian, the colour number of a STICKCOL entry little-endian, and its
// colour bytes red, green, blue. Unknown keywords carry no value and are passed over.
//
// Nothing is trusted: the read fails with a message naming the file when the header or the data
// part ends without its end marker, when the design is not 1 to 32 767 cells wide and high (at
// most DesignLimits::kMaxCells cells), or when a section promises more bytes than the file holds.
// The size is checked at the end of the header, before any section is read.
namespace StvReader {
Status read(TSTVFile& file, const QString& fileName);
// The same over bytes already in memory; `fileName` only names the file in messages.
Status read(TSTVFile& file, const QByteArray& bytes, const QString& fileName);
} // namespace StvReader
