#include "shell/CMYKTable.h"
#include "files/CMYKFile.h"
#include "model/TStitch.h"
#include "shell/Paths.h"

QString CMYKTable::fileToRead(const QString& palettesPath)
{
    const QString user = CMYKFile::findIn(Paths::userPalettesFolder());
    return user.isEmpty() && !palettesPath.isEmpty() ? CMYKFile::findIn(palettesPath) : user;
}

Status CMYKTable::load(TStitch& doc)
{
    return CMYKFile::load(fileToRead(doc.PalettesPath), doc.CMYK);
}

Status CMYKTable::save(const TStitch& doc)
{
    return CMYKFile::save(CMYKFile::fileFor(Paths::userPalettesFolder()), doc.CMYK);
}
