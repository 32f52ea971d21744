#include "LayoutCommand.h"
#include "CliDelegate.h"
#include "CliSession.h"
#include "CommandProcessor.h"
#include "LayoutRequest.h"
#include "model/Design.h"
#include "printing/TPreview.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace {
const char* const kPositionNames[] = {"left", "top", "right", "bottom", "separate"};
const char* const kKindNames[] = {"cross", "back", "both", "title", "info", "steps", "contents", "labels"};

double fourDecimals(double value)
{
    return std::round(value * 10000) / 10000;
}

QJsonObject pageJson(const QPoint& at, const TMyPage& p, bool showsKey)
{
    return QJsonObject{
        {QStringLiteral("col"), at.x()},
        {QStringLiteral("row"), at.y()},
        {QStringLiteral("kind"), QString::fromLatin1(kKindNames[p.PrintStitches])},
        {QStringLiteral("pageNum"), p.pageNum},
        {QStringLiteral("keysOnly"), p.keysOnly},
        {QStringLiteral("hasKeys"), p.hasKeys},
        {QStringLiteral("isLeft"), p.isLeft},
        {QStringLiteral("isTop"), p.isTop},
        {QStringLiteral("xOffsetPx"), p.xOffcetPx},
        {QStringLiteral("yOffsetPx"), p.yOffcetPx},
        {QStringLiteral("cellsX"), p.cellsX},
        {QStringLiteral("cellsY"), p.cellsY},
        {QStringLiteral("cellXFirst"), p.cellXFirst},
        {QStringLiteral("cellXLast"), p.cellXLast},
        {QStringLiteral("cellYFirst"), p.cellYFirst},
        {QStringLiteral("cellYLast"), p.cellYLast},
        // Key numbers of pages that carry no key are never read; they are reported as 0.
        {QStringLiteral("keyOffset"), showsKey ? p.keyOffset : 0},
        {QStringLiteral("keyCount"), showsKey ? p.keycount : 0},
        {QStringLiteral("keyCols"), showsKey ? p.keycols : 0},
        {QStringLiteral("keyFirst"), showsKey ? p.keyFirst : 0},
        {QStringLiteral("keyRestart"), showsKey ? p.KeyRestart : 0},
    };
}

QJsonObject layoutJson(const TPreview& preview)
{
    QJsonArray pages;
    for (const auto& [at, page] : preview.PageMap)
        pages.append(pageJson(at, page, preview.showsKey(page)));
    QJsonArray keys;
    for (const TMyColor& e : preview.KeyEntries) {
        keys.append(QJsonObject{{QStringLiteral("name"), e.Name}, {QStringLiteral("count"), e.Count},
            {QStringLiteral("type"), e.ColorType == ctBack ? QStringLiteral("back") : QStringLiteral("cross")}});
    }
    QJsonObject o{
        {QStringLiteral("key"), QString::fromLatin1(kPositionNames[preview.position])},
        {QStringLiteral("warning"), preview.warning.isEmpty() ? QJsonValue() : QJsonValue(preview.warning)},
        {QStringLiteral("pageWidthPx"), preview.pagewidth},
        {QStringLiteral("pageHeightPx"), preview.pageheight},
        {QStringLiteral("cellWidthPx"), fourDecimals(preview.gridWidthPx)},
        {QStringLiteral("cellHeightPx"), fourDecimals(preview.gridHeightPx)},
        {QStringLiteral("keyWidthPx"), preview.keyWidthPx},
        {QStringLiteral("keyHeightPx"), preview.keyHeightPx},
        {QStringLiteral("kA"), preview.keysAcross()},
        {QStringLiteral("kD"), preview.keysDown()},
        {QStringLiteral("keyEntryCount"), int(preview.KeyEntries.size())},
        {QStringLiteral("hpages"), preview.hpages},
        {QStringLiteral("vpages"), preview.vpages},
        {QStringLiteral("pageNumber"), preview.pageNumber},
        {QStringLiteral("pages"), pages},
        {QStringLiteral("keyEntries"), keys},
    };
    if (preview.options.stitchList) {
        QJsonArray steps;
        for (const TStitchListItem& s : preview.StitchSteps) {
            steps.append(QJsonObject{{QStringLiteral("row"), s.Row}, {QStringLiteral("count"), s.Count},
                {QStringLiteral("background"), s.isBackgroud}});
        }
        o.insert(QStringLiteral("stitchSteps"), steps);
    }
    return o;
}

QString layoutText(const TPreview& preview)
{
    QString t = QStringLiteral("Key %1, page %2 x %3 px, cell %4 x %5 px, %6 key entries, %7 x %8 page table, %9 pages\n")
                    .arg(QString::fromLatin1(kPositionNames[preview.position]))
                    .arg(preview.pagewidth)
                    .arg(preview.pageheight)
                    .arg(preview.gridWidthPx, 0, 'f', 4)
                    .arg(preview.gridHeightPx, 0, 'f', 4)
                    .arg(preview.KeyEntries.size())
                    .arg(preview.hpages)
                    .arg(preview.vpages)
                    .arg(preview.pageNumber);
    if (!preview.warning.isEmpty())
        t += QStringLiteral("Warning: %1\n").arg(preview.warning);
    t += QStringLiteral("page  col  row  kind      offset         columns        rows           key\n");
    for (const auto& [at, p] : preview.PageMap) {
        t += QStringLiteral("%1 %2 %3  %4 %5 %6 %7\n")
                 .arg(p.pageNum, 4)
                 .arg(at.x(), 4)
                 .arg(at.y(), 4)
                 .arg(QString::fromLatin1(kKindNames[p.PrintStitches]), -8)
                 .arg(QStringLiteral("%1,%2").arg(p.xOffcetPx).arg(p.yOffcetPx), -14)
                 .arg(p.cellsX ? QStringLiteral("%1-%2").arg(p.cellXFirst).arg(p.cellXLast) : QString(), -14)
                 .arg((p.cellsY ? QStringLiteral("%1-%2").arg(p.cellYFirst).arg(p.cellYLast) : QString()).leftJustified(14)
                     + (preview.showsKey(p) ? QStringLiteral(" %1 x %2 from %3").arg(p.keycols).arg(p.keycount).arg(p.keyFirst)
                                            : QString()));
    }
    return t;
}
} // namespace

QString LayoutCommand::synopsis() const
{
    return QStringLiteral(
        "DESIGN --json [--export WxH | --paper a3|a4|a5|letter|legal|WxH] [--export-grid PX] [--dpi N] "
        "[--orientation portrait|landscape] [--grid-mm X[,Y]] [--key top|left|right|bottom|separate] "
        "[--margins L,T,R,B] [--page-numbers] [--grid-numbers] [--key-size-free] [--backstitch-separate] "
        "[--pages design,legend,title,steps,labels,contents,info] [--knitting] [--sort palette|name|number|usage]  "
        "the print layout's page table, key entries and stitch steps");
}

int LayoutCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    QString error;
    const std::optional<LayoutRequest> request = LayoutRequest::parse(arguments, &error);
    if (!request) {
        delegate.err(QStringLiteral("threadwright-cli layout: %1 (see threadwright-cli --help)").arg(error));
        return CommandProcessor::Usage;
    }
    CliSession session;
    int exitCode = 0;
    const auto design = session.openDesign(request->design, delegate, &exitCode);
    if (!design)
        return exitCode;

    TPreview preview;
    request->layOut(preview, *design);
    if (!preview.status) {
        delegate.err(QStringLiteral("threadwright-cli layout: %1").arg(preview.status.text()));
        return CommandProcessor::Failed;
    }
    if (request->json)
        delegate.out(QString::fromUtf8(QJsonDocument(layoutJson(preview)).toJson(QJsonDocument::Indented)));
    else
        delegate.out(layoutText(preview));
    return CommandProcessor::Success;
}
