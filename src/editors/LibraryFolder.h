#pragma once
#include <QStringList>

// The design library's folder: its entries are the files whose name ends exactly in ".qmk" or
// ".qmkp" (motif.QMK is not one), listed by name in numeric order ("motif 2" before
// "motif 10"). Listing reads no file; a folder that does not exist has no entries.
namespace LibraryFolder {
QStringList entries(const QString& folder);
} // namespace LibraryFolder
