#pragma once
#include <QString>

// Marks a text that is shown to the user and therefore must be a key of the translation table
// ("english.lang"). It is the English text itself; translation happens where it is shown, with
// TStitch::translate. A test checks that every marked text is in the table.
#define TRANSLATABLE(text) QStringLiteral(text)
