#include "printing/PrintRun.h"
#include "printing/RunTarget.h"
#include "model/TStitch.h"
#include <QFileInfo>

Status PrintRun::drawAndFinish(const ChartBook& book, RunTarget& target, const ChartBook::Progress& pageDone,
    const ChartBook::Progress& backStitchDone)
{
    const Status drawn = book.draw(target, pageDone, backStitchDone);
    if (!drawn) {
        target.abort();
        return drawn;
    }
    return target.finish();
}

QString PrintRun::documentTitle(const TStitch& stitch)
{
    return stitch.Title.isEmpty() ? QFileInfo(stitch.filename()).fileName() : stitch.Title;
}
