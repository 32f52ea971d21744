#pragma once
#include <QString>

// The kind of an item the update check knows: the program, a help language, a palette.
enum TUpdateType { utProgram, utHelp, utPalette };

// One version entry: an installer of the server's list, or an installed item.
struct TVersionInfo
{
    QString Name;
    int Major = 0;
    int Minor = 0;
    int Release = 0;
    QString Filename;
    QString URL;
    QString History;
    TUpdateType updateType = utProgram;

    // "Major.Minor.Release", plain decimals.
    QString version() const { return QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Release); }
};
