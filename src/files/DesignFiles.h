#pragma once
#include "model/Status.h"
#include <QList>
#include <QString>

class Design;

// Opening a design file of any kind the program reads, chosen by the file's extension (compared
// in upper case). Every reader fills a fresh Design made by the start-up initialisation; the
// caller swaps it in for the open design only when `status` is ok (see LoadQMK).
namespace DesignFiles {
struct LoadResult
{
    Status status;
    // Problems that did not stop the load, one message each, for the user to see.
    QList<Status> warnings;
};

// A reader: file name, the fresh design to fill, where warnings go.
using Reader = Status (*)(const QString& fileName, Design& freshDesign, QList<Status>* warnings);

LoadResult load(const QString& fileName, Design& freshDesign);
} // namespace DesignFiles
