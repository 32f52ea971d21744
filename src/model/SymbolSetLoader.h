#pragma once
#include "model/OrderedMap.h"
#include "model/Status.h"
#include "model/TCharacterInfo.h"
#include <QStringList>

using TSymbolSetCatalogue = OrderedMap<QString, TCharacterInfo>;

// Symbol-set files (".chr"): line 1 the name, line 2 the description, line 3 comma text with
// the font name first, then one decimal character code per line. Codes 128-159 are taken
// through the Windows-1252 code page (128 is the euro sign); every other code is the UTF-16
// code unit itself.
namespace SymbolSetLoader {
// A name already catalogued becomes "Name (n)" with the smallest free n >= 1. A file that cannot
// be read, or a code line that is not a whole number from 0 to 65535, adds nothing and returns
// a message naming the file and line.
Status loadFile(const QString& fileName, TSymbolSetCatalogue& catalogue);
QStringList loadFolder(const QString& folder, TSymbolSetCatalogue& catalogue);
// Loads the union of the user's and the shipped folder (see CatalogueFiles) in name order.
QStringList loadFolders(const QString& userFolder, const QString& shippedFolder, TSymbolSetCatalogue& catalogue);
Status parse(const QStringList& lines, const QString& fileName, TCharacterInfo& info);
// The symbol character of a code line (see above), and back: the code a file holds for a
// symbol. A character of the code page's table 0x80-0x9F goes back to its byte, so a set read
// and written again keeps its file.
QChar characterOf(int code);
int codeOf(QChar symbol);
// The set used when the catalogue is empty: the document's starting string in our symbol font.
TCharacterInfo builtInSet();
} // namespace SymbolSetLoader
