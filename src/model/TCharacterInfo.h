#pragma once
#include <QString>

// One catalogued symbol set, as read from its ".chr" file.
struct TCharacterInfo
{
    QString fileName;
    QString Name;     // unique within the catalogue
    QString altName;  // description line
    QString fontName;
    int fontStyle = 0;     // read, never used
    int fontCharset = 57;  // kept for the file formats; Qt fonts have no character sets
    QString characters;

    bool operator==(const TCharacterInfo&) const = default;
};
