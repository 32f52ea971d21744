#pragma once
#include <QStringList>

// Splits a line of a palette or symbol-set file into fields. Fields are separated by a comma
// with any blanks (space and control characters) around it, or by blanks alone. A field that
// starts with a double quote runs to the closing quote and may hold commas, blanks and doubled
// quotes (each one quote). Two commas in a row enclose an empty field, and a comma that ends
// the line adds an empty last field.
QStringList splitCommaText(const QString& line);

// Appends `text` as one field that splitCommaText reads back unchanged: as it is, or in double
// quotes with inner quotes doubled when it is empty or holds a comma, a quote, a blank or a
// control character.
void appendCommaField(QString& out, const QString& text);
