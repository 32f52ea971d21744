#include "shell/CatalogueChoices.h"
#include "model/TStitch.h"

QStringList CatalogueChoices::palettes(const TStitch& doc)
{
    QStringList names;
    for (const auto& [key, table] : doc.ColorPalettes) {
        if (!table.isEmpty())
            names << key;
    }
    return names;
}

QStringList CatalogueChoices::symbolSets(const TStitch& doc)
{
    QStringList names;
    for (const auto& [key, set] : doc.characters)
        names << key;
    return names;
}
