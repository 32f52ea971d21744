#pragma once
#include "model/Status.h"
#include <QString>

// The names of the files an export writes, one picture per page.
namespace PageFileNames {
enum class PictureType { Jpeg, Bmp, Png };

// The type's extension as the files get it: ".jpeg", ".bmp" or ".png".
QString extension(PictureType type);

// "Filename is not valid" for an empty name or one holding any of  " * / : < > ? \ |
// (letters beyond Latin-1 are fine).
Status checkName(const QString& name);

// Creates the folder and its missing parents; "Foldername is not valid" when that fails.
Status makeFolder(const QString& folder);

// `name` with its extension (from the last full stop) replaced by `extension`, or with it added
// when the name has no full stop.
QString withExtension(const QString& name, const QString& extension);

// `name` with the page number written to as many digits as `count` has: in place of the first
// '#' (or, with `percentD`, of the first "%d" when there is no '#'), else before the last full
// stop, else at the end.
QString numbered(const QString& name, int page, int count, bool percentD = false);
} // namespace PageFileNames
