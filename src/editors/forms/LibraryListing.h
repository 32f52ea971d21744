#pragma once
#include <QImage>
#include <QString>

class QLabel;
class QListWidget;

// What the library window and the add-to-library window show alike: the entries of the library
// folder, and a preview picture in a label.
namespace LibraryListing {
void fill(QListWidget& list, const QString& folder);
// The picture at its own size, or scaled down to fit the label keeping its proportions; an
// empty picture clears the label.
void showPicture(QLabel& label, const QImage& picture);
} // namespace LibraryListing
