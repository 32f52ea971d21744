#pragma once
#include "model/Status.h"
#include "printing/ChartBook.h"

class RunTarget;
class TStitch;

// One print or export run over a target that is opened on its first page.
namespace PrintRun {
// Draws the book and completes the target, or abandons it (a printer job is aborted, files
// are left as they were) when drawing fails or is cancelled. A cancel fails with an empty
// message.
Status drawAndFinish(const ChartBook& book, RunTarget& target, const ChartBook::Progress& pageDone = {},
    const ChartBook::Progress& backStitchDone = {});

// The document's title: the design's title, else its file name.
QString documentTitle(const TStitch& stitch);
} // namespace PrintRun
