#include "editors/forms/LibraryListing.h"
#include "editors/LibraryFolder.h"
#include <QLabel>
#include <QListWidget>
#include <QPixmap>

void LibraryListing::fill(QListWidget& list, const QString& folder)
{
    list.clear();
    list.addItems(LibraryFolder::entries(folder));
}

void LibraryListing::showPicture(QLabel& label, const QImage& picture)
{
    if (picture.isNull()) {
        label.clear();
        return;
    }
    const QSize room = label.contentsRect().size();
    const bool fits = picture.width() <= room.width() && picture.height() <= room.height();
    label.setPixmap(QPixmap::fromImage(fits ? picture : picture.scaled(room, Qt::KeepAspectRatio, Qt::FastTransformation)));
}
