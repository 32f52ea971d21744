#pragma once
#include <QStringList>

class TStitch;

// The names the settings dialogs offer in their palette and symbol-set lists, in catalogue
// order. A palette without colours is left out: a design moved onto it, or a picture matched to
// it, would find no nearest colour.
namespace CatalogueChoices {
QStringList palettes(const TStitch& doc);
QStringList symbolSets(const TStitch& doc);
} // namespace CatalogueChoices
