#include "LayoutRequest.h"
#include "CliArguments.h"
#include "model/Design.h"
#include "printing/KeyEntryList.h"
#include "printing/LayoutMath.h"
#include "printing/TPreview.h"
#include <QRegularExpression>
#include <algorithm>

namespace {
// Bounds that keep every page size inside the int range of the layout.
constexpr int kMaxExportPixels = 1000000;
constexpr int kMaxPaperMm = 10000;
constexpr int kMaxDpi = 100000;
constexpr int kMaxMarginMm = 10000;

// Reads the arguments one option at a time; the first problem found is kept.
class Reader
{
public:
    Reader(const CliArguments& args, QString* error) : m_args(args), m_error(error) {}

    bool failed() const { return !m_error->isEmpty(); }
    void fail(const QString& message)
    {
        if (!failed())
            *m_error = message;
    }

    // "W<sep>H<sep>..." as `count` whole numbers in [min, max].
    std::optional<QList<int>> numbers(const QString& option, QChar separator, int count, int min, int max)
    {
        const QStringList parts = m_args.value(option).split(separator);
        QList<int> values;
        for (const QString& part : parts) {
            bool ok = false;
            const int v = part.toInt(&ok);
            if (!ok || v < min || v > max || part.startsWith(QLatin1Char('+')))
                break;
            values << v;
        }
        if (parts.size() != count || values.size() != count) {
            fail(QStringLiteral("%1 takes %2 whole numbers from %3 to %4 separated by '%5'")
                     .arg(option).arg(count).arg(min).arg(max).arg(separator));
            return std::nullopt;
        }
        return values;
    }

    // A whole number in [min, max], `fallback` when the option is absent.
    int integer(const QString& option, int fallback, int min, int max)
    {
        QString problem;
        const std::optional<int> v = m_args.integer(option, fallback, min, max, &problem);
        if (!v)
            fail(problem);
        return v.value_or(fallback);
    }

    // The option's value among `names`: its index, `fallback` when the option is absent.
    int choice(const QString& option, const QStringList& names, int fallback)
    {
        if (!m_args.has(option))
            return fallback;
        const int index = int(names.indexOf(m_args.value(option)));
        if (index < 0)
            fail(QStringLiteral("%1 takes one of %2").arg(option, names.join(QLatin1Char('|'))));
        return std::max(index, 0);
    }

    // "X[,Y]" in mm with at most two decimals, as 1/100 mm from 90 to 2010.
    std::optional<QList<int>> gridHundredths(const QString& option)
    {
        static const QRegularExpression decimal(QStringLiteral("^([0-9]{1,5})(?:\\.([0-9]{1,2}))?$"));
        QList<int> values;
        for (const QString& part : m_args.value(option).split(QLatin1Char(','))) {
            const QRegularExpressionMatch m = decimal.match(part);
            const int v = m.hasMatch() ? m.captured(1).toInt() * 100 + m.captured(2).leftJustified(2, QLatin1Char('0')).toInt() : -1;
            if (v < 90 || v > 2010) {
                fail(QStringLiteral("%1 takes one or two sizes from 0.90 to 20.10 mm with at most two decimals").arg(option));
                return std::nullopt;
            }
            values << v;
        }
        if (values.size() > 2) {
            fail(QStringLiteral("%1 takes at most two sizes").arg(option));
            return std::nullopt;
        }
        return values;
    }

private:
    const CliArguments& m_args;
    QString* m_error;
};

const QStringList kPageKinds = {QStringLiteral("design"), QStringLiteral("legend"), QStringLiteral("title"),
    QStringLiteral("steps"), QStringLiteral("labels"), QStringLiteral("contents"), QStringLiteral("info")};

void selectPages(const QString& list, PrintOptions& o, Reader& reader)
{
    bool* flags[] = {&o.printDesign, &o.printLegend, &o.printTitle, &o.stitchList, &o.printLabels, &o.printContents,
        &o.printInfo};
    for (bool* flag : flags)
        *flag = false;
    for (const QString& kind : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype index = kPageKinds.indexOf(kind);
        if (index < 0)
            return reader.fail(QStringLiteral("--pages takes a list of %1").arg(kPageKinds.join(QLatin1Char(','))));
        *flags[index] = true;
    }
}

// A named paper or "WxH" in mm, ordered by the orientation.
std::optional<PrinterGeometry> paper(const CliArguments& args, Reader& reader)
{
    static const QHash<QString, QList<int>> named = {{QStringLiteral("a3"), {297, 420}},
        {QStringLiteral("a4"), {210, 297}}, {QStringLiteral("a5"), {148, 210}},
        {QStringLiteral("letter"), {216, 279}}, {QStringLiteral("legal"), {216, 356}}};
    const QString name = args.value(QStringLiteral("--paper"), QStringLiteral("a4"));
    std::optional<QList<int>> sides = named.value(name.toLower());
    if (sides->isEmpty())
        sides = reader.numbers(QStringLiteral("--paper"), QLatin1Char('x'), 2, 1, kMaxPaperMm);
    const int dpi = reader.integer(QStringLiteral("--dpi"), 1200, 1, kMaxDpi);
    const bool landscape = reader.choice(QStringLiteral("--orientation"), {QStringLiteral("portrait"), QStringLiteral("landscape")}, 0) == 1;
    if (!sides || reader.failed())
        return std::nullopt;
    const int w = landscape ? std::max(sides->at(0), sides->at(1)) : std::min(sides->at(0), sides->at(1));
    const int h = sides->at(0) + sides->at(1) - w;
    PrinterGeometry printer;
    printer.pagewidthmm = w;
    printer.pageheightmm = h;
    printer.pagewidth = LayoutMath::nearest(w * double(dpi) / 25.4);
    printer.pageheight = LayoutMath::nearest(h * double(dpi) / 25.4);
    printer.pixelsPerInch = dpi;
    return printer;
}

void readExport(const CliArguments& args, PrintOptions& o, Reader& reader)
{
    o.exportImage = true;
    if (args.has(QStringLiteral("--export"))) {
        if (const auto size = reader.numbers(QStringLiteral("--export"), QLatin1Char('x'), 2, 0, kMaxExportPixels)) {
            o.JPEGWidth = size->at(0);
            o.JPEGHeight = size->at(1);
        }
    }
    o.JPEGGrid = reader.integer(QStringLiteral("--export-grid"), o.JPEGGrid, 0, kMaxExportPixels);
    // Validated although an image export has no use for them.
    reader.integer(QStringLiteral("--dpi"), 1200, 1, kMaxDpi);
    reader.choice(QStringLiteral("--orientation"), {QStringLiteral("portrait"), QStringLiteral("landscape")}, 0);
    if (args.has(QStringLiteral("--grid-mm")))
        reader.gridHundredths(QStringLiteral("--grid-mm"));
}

void readOptions(const CliArguments& args, PrintOptions& o, Reader& reader)
{
    if (args.has(QStringLiteral("--margins"))) {
        if (const auto m = reader.numbers(QStringLiteral("--margins"), QLatin1Char(','), 4, 0, kMaxMarginMm)) {
            o.inlineBorder = true;
            o.BorderLeft = m->at(0);
            o.BorderTop = m->at(1);
            o.BorderRight = m->at(2);
            o.BorderBottom = m->at(3);
        }
    }
    o.pageNumbers = args.has(QStringLiteral("--page-numbers"));
    o.gridNumbers = args.has(QStringLiteral("--grid-numbers"));
    o.keySizeFromDesign = !args.has(QStringLiteral("--key-size-free"));
    o.backStitchesSeparate = args.has(QStringLiteral("--backstitch-separate"));
    o.knitting = args.has(QStringLiteral("--knitting"));
    if (args.has(QStringLiteral("--pages")))
        selectPages(args.value(QStringLiteral("--pages")), o, reader);
}
} // namespace

std::optional<LayoutRequest> LayoutRequest::parse(const QStringList& arguments, QString* error)
{
    return parse(arguments, error, Extra{{}, {QStringLiteral("--json")}, false});
}

std::optional<LayoutRequest> LayoutRequest::parse(const QStringList& arguments, QString* error, const Extra& extra,
    std::optional<CliArguments>* parsed)
{
    const auto args = CliArguments::parse(arguments,
        QStringList{QStringLiteral("--export"), QStringLiteral("--export-grid"), QStringLiteral("--paper"), QStringLiteral("--dpi"),
            QStringLiteral("--orientation"), QStringLiteral("--grid-mm"), QStringLiteral("--key"),
            QStringLiteral("--margins"), QStringLiteral("--pages"), QStringLiteral("--sort")}
            + extra.valued,
        QStringList{QStringLiteral("--page-numbers"), QStringLiteral("--grid-numbers"),
            QStringLiteral("--key-size-free"), QStringLiteral("--backstitch-separate"), QStringLiteral("--knitting")}
            + extra.flags,
        error);
    if (!args)
        return std::nullopt;
    if (parsed)
        *parsed = args;
    Reader reader(*args, error);
    if (args->positional().size() != 1)
        reader.fail(QStringLiteral("needs exactly one design file"));
    const bool toPaper = extra.paperTarget || args->has(QStringLiteral("--paper"));
    if (toPaper && (args->has(QStringLiteral("--export")) || args->has(QStringLiteral("--export-grid"))))
        reader.fail(QStringLiteral("--paper cannot be combined with --export or --export-grid"));
    LayoutRequest request;
    request.design = args->positional().value(0);
    request.json = args->has(QStringLiteral("--json"));
    if (toPaper) {
        request.printer = paper(*args, reader);
        if (args->has(QStringLiteral("--grid-mm"))) {
            if (const auto grid = reader.gridHundredths(QStringLiteral("--grid-mm"))) {
                request.options.gridXSpin = grid->first();
                request.options.gridYSpin = grid->last();
            }
        }
    } else {
        readExport(*args, request.options, reader);
    }
    readOptions(*args, request.options, reader);
    request.position = TPosition(reader.choice(QStringLiteral("--key"),
        {QStringLiteral("left"), QStringLiteral("top"), QStringLiteral("right"), QStringLiteral("bottom"),
            QStringLiteral("separate")},
        pSeparate));
    request.order = ColorList::SortOrder(reader.choice(QStringLiteral("--sort"),
        {QStringLiteral("palette"), QStringLiteral("name"), QStringLiteral("number"), QStringLiteral("usage")},
        ColorList::byPalette));
    if (reader.failed())
        return std::nullopt;
    return request;
}

void LayoutRequest::layOut(TPreview& preview, const Design& design) const
{
    preview.options = options;
    if (printer)
        preview.setPrinter(*printer);
    preview.setDesign(design);
    // As in the print dialog: a chart without its legend, or a legend alone, keeps the key apart.
    const bool both = options.printDesign && options.printLegend;
    preview.position = both ? position : pSeparate;
    KeyEntryList::sort(preview.KeyEntries, design.stitch.Colors, order);
    preview.calc();
}
